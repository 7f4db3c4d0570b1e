#pragma once

#include <cstddef>
#include <string_view>

#include "items/item.h"
#include "items/large_memory.h"

class LineFindings;
class RecordArena;

// Reads the lines of a piece of an archive text, which starts at a line start: comments and
// blank lines are skipped, headers set the category, and each data line becomes a record of
// the category in force, made in arena and kept when it parses. Returns the kept records in
// file order. category is the one in force where the piece begins, first_line the number of
// its first line in the file (for the findings).
LargeVector<Item*> parse_archive_text(std::string_view text, int category, std::size_t first_line,
                                      RecordArena& arena, LineFindings& findings);

// The category in force at offset at of text, a line start (0, or just after a line feed):
// that of the last header before it that names one, else the undefined category.
int category_at(std::string_view text, std::size_t at);
