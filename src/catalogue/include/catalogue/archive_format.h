#pragma once

#include <optional>
#include <string_view>

#include "items/item.h"

namespace torvane {

// Category code of an archive section header, already trimmed and lower-cased, such as
// "[armi]"; none when the header names no category.
std::optional<ItemCategory> category_of_header(std::string_view header);

// The C-locale white space: blank, tab, LF, VT, FF, CR.
std::string_view trim_blanks(std::string_view text);

// Category code of a trimmed "[" line as it stands in the file (any case); none when it names
// no category.
std::optional<ItemCategory> category_of_header_line(std::string_view line);

} // namespace torvane
