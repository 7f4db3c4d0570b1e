#include "items/parse_line.h"

#include <limits>

#include "record_kinds.h"

namespace torvane {

ParseResult parse_line(Item& item, ItemCategory category, std::string_view line,
                       FieldNotes* notes) {
    // Texts are kept by their place in the line in 32 bits; no archive holds a longer line.
    line = line.substr(0, std::numeric_limits<std::uint32_t>::max());
    item.category = category_info(category).code;
    item.line = line.data();
    const std::size_t name_length = read_name(line);
    item.name_size = static_cast<std::uint32_t>(name_length);
    const RecordKind kind = kind_of(item);
    // A record of the undefined category takes any line, even one without a name.
    if (kind == RecordKind::plain) {
        return ParseResult::accepted;
    }
    if (name_length == 0) {
        // No field is read; reading none gives the record its class's fields all the same.
        FieldReader nothing({}, 0, nullptr);
        rules_of(kind).read_fields(nothing, item);
        return ParseResult::no_name;
    }
    FieldReader reader(line, name_length + 1, notes);
    rules_of(kind).read_fields(reader, item);
    return reader.failed() ? ParseResult::empty_field : ParseResult::accepted;
}

std::span<const std::string_view> field_names(ItemCategory category) {
    return rules_of(category_info(category).kind).field_names;
}

} // namespace torvane
