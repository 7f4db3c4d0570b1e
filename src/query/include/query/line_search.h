#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "query/page_lines.h"

namespace torvane {

// The rows of the lines whose text (a header, or an item's description) holds text, compared
// as the name search compares names: text must already be lower case, Windows-1252. In
// ascending order; the empty text is in no line, since it finds nothing to show.
std::vector<std::size_t> rows_containing(const PageLines& lines, std::string_view text);

} // namespace torvane
