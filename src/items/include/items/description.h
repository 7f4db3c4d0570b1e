#pragma once

#include <string>
#include <string_view>

#include "items/item.h"

namespace torvane {

// The template filled with the record's values: first the base placeholders ("%n", "%t",
// "%loc", "%lvl", "%for", "%res", "%agi", "%sag", "%int"), then those of the fields its class
// adds, each by one fill_placeholder over the whole text in that order.
std::string render(const Item& item, std::string_view templ);

// The record's one-line description: its class's template, rendered.
std::string description(const Item& item);

// The header line of a category in the lists: "[Oggetti di tipo " and its name, then "]".
std::string header_line(int code);

} // namespace torvane
