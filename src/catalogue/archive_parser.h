#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "base/large_memory.h"
#include "catalogue/name_ranking.h"
#include "items/item.h"

namespace torvane {

class LineFindings;

// Reads the lines of a piece of an archive text, which starts at a line start: comments and
// blank lines are skipped, headers set the category, and each data line becomes a record of
// the category in force, kept when it parses. Makes the kept records in room, in file order,
// and returns their number; room has a place for every line of text. category is the one in
// force where the piece begins, first_line the number of its first line in the file (for the
// findings).
// The runs of records of one category are appended to runs, their places counted from the
// start of room.
std::size_t parse_archive_text(std::string_view text, int category, std::size_t first_line,
                               LineFindings& findings, std::span<Item> room,
                               std::vector<CategoryRun>& runs);

// The category in force at offset at of text, a line start (0, or just after a line feed):
// that of the last header before it that names one, else the undefined category.
int category_at(std::string_view text, std::size_t at);

// The number of lines of text: its line feeds, and one more when it does not end with one.
std::size_t line_count(std::string_view text);

} // namespace torvane
