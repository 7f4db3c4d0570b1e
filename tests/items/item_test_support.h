#pragma once

// Helpers shared by the record tests: a record kept together with the line it was read from,
// the fields each record class adds, and long text.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include <gtest/gtest.h>

#include "items/item.h"
#include "items/parse_line.h"

namespace item_test {

using namespace torvane;

// A record with its own copy of the line it was parsed from: its texts point into that line,
// which lives on the heap so that the record stays valid when the holder moves.
class Record {
public:
    Record(ItemCategory category, std::string_view line)
        : line_(std::make_unique<const std::string>(line)),
          result_(parse_line(item_, category, *line_)) {}

    ParseResult result() const { return result_; }
    const Item& operator*() const { return item_; }
    const Item* operator->() const { return &item_; }

private:
    std::unique_ptr<const std::string> line_;
    Item item_;
    ParseResult result_;
};

// A record of the code read from the line, as the loader reads it; the parse must give the
// expected result.
inline Record parsed(ItemCategory category, std::string_view line,
                     ParseResult expected = ParseResult::accepted) {
    Record record(category, line);
    EXPECT_EQ(record.result(), expected) << line;
    return record;
}

// What reading the line as a record of the code gives.
inline ParseResult parse_result(ItemCategory category, std::string_view line) {
    Item item;
    return parse_line(item, category, line);
}

// The fields of each record class; reading those of another class throws.
inline const DamageFields& damage(const Item& item) {
    return std::get<DamageFields>(item.fields);
}
inline const ProtectionFields& protection(const Item& item) {
    return std::get<ProtectionFields>(item.fields);
}
inline const TrainingFields& training(const Item& item) {
    return std::get<TrainingFields>(item.fields);
}
inline const SpellFields& spell(const Item& item) {
    return std::get<SpellFields>(item.fields);
}

// The bonus text of weapons, bows, arrows, armour and jewels.
inline std::string_view bonus(const Item& item) {
    if (const auto* fields = std::get_if<DamageFields>(&item.fields)) {
        return item.text(fields->bonus);
    }
    return item.text(protection(item).bonus);
}

inline std::string repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text.append(piece);
    }
    return text;
}

} // namespace item_test
