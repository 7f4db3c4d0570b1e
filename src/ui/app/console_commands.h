#pragma once

#include <ostream>

#include <QString>

// What the program does with a catalogue without a window, on a machine without a display.
// Each gives the exit status: 0 when every line was read, 1 when some line was dropped, 2 when
// the file cannot be read.

// Reports every line dropped, ignored or read doubtfully, then the items per category.
int check_catalogue(const QString& file, std::ostream& out, std::ostream& err);

// Writes the whole catalogue as CSV (csv_export.h), in the order the window first shows it:
// page after page, each sorted by name.
int export_catalogue(const QString& file, std::ostream& out, std::ostream& err);

// How a comparison is written: for a terminal, or as CSV for spreadsheets.
enum class ComparisonForm { text, csv };

// Compares two catalogues item by item and writes what changed from before to after. Exits
// with 0 when they hold the same items, 1 when they differ, 2 when a file cannot be read.
int compare_catalogue_files(const QString& before, const QString& after, ComparisonForm form,
                            std::ostream& out, std::ostream& err);
