#pragma once

#include <span>
#include <string_view>

#include "items/field_notes.h"
#include "items/item.h"

namespace torvane {

enum class ParseResult {
    accepted,
    empty_field, // some field of the category's data line is empty: the line is rejected
    no_name,     // the line begins with "=": rejected, but in the undefined category
};

// Reads a trimmed data line of the archive into item, a record fresh from its default, as a
// record of the category (a code outside category_table reads as the undefined category): the
// name, then the fields its class lists. The record's texts are pieces of line, which must
// outlive it. Notes, when given, hear of every doubtful field.
ParseResult parse_line(Item& item, ItemCategory category, std::string_view line,
                       FieldNotes* notes = nullptr);

// The names of the fields of a category's data line in their order, in Italian (UTF-8).
std::span<const std::string_view> field_names(ItemCategory category);

} // namespace torvane
