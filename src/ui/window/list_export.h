#pragma once

#include <span>

#include <QString>

#include "items/item.h"

// How an export of the lists ended.
enum class ListExportStatus {
    written,
    // The file chosen is the catalogue shown, which an export never replaces.
    catalogue_file,
    // The file could not be written; what was there before is untouched.
    write_failed,
};

struct ListExportResult {
    ListExportStatus status = ListExportStatus::written;
    // Why the write failed, in the words of the file system.
    QString reason;
};

// Writes the records as CSV (see torvane::write_csv) to target, all at once: into a
// temporary file beside it that replaces target only when it was written whole. A target that
// is, or leads to, catalogue_file is refused.
ListExportResult export_records(std::span<const torvane::Item* const> records,
                                const QString& target, const QString& catalogue_file);

// The message for an export that did not write target, and why; empty for one that did.
QString list_export_message(const QString& target, const ListExportResult& result);
