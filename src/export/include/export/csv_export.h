#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "items/item.h"

namespace torvane {

// Writes records as CSV for spreadsheets: UTF-8, quoted as RFC 4180 asks (a field with a
// comma, a double quote or a line end in double quotes, its double quotes doubled), lines ended
// by CR LF, a header row, then one row per record in the order given. A row holds the
// category, the name, the statistics, the fields its category adds, the efficacy, the
// requirement, the location and the description; numbers as plain numbers, and a cell left
// empty where the record's category has no such field or the catalogue does not state the
// value (-1). The text goes to out in pieces of some tens of kilobytes.
void write_csv(std::span<const Item* const> items,
               const std::function<void(std::string_view piece)>& out);

} // namespace torvane
