#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <variant>

#include "items/category_table.h"
#include "items/item.h"

namespace torvane {

// A field of a data line, as the program names it to its users in a table or a comparison:
// the statistics every record has, the fields its category adds, and the location last.
enum class RecordField : std::uint8_t {
    level,
    strength,
    resistance,
    agility,
    wisdom,
    intelligence,
    attack,
    bonus,
    min_damage,
    max_damage,
    armour_class,
    mana,
    prerequisite,
    teacher,
    trainer,
    teacher_cost,
    trainer_cost,
    pa_cost,
    coin_cost,
    location,
};

inline constexpr std::size_t record_field_count =
    static_cast<std::size_t>(RecordField::location) + 1;

// Some of the fields, a bit each.
class FieldSet {
public:
    constexpr FieldSet() = default;
    constexpr FieldSet(std::initializer_list<RecordField> fields) {
        for (const RecordField field : fields) {
            add(field);
        }
    }
    constexpr void add(RecordField field) { bits_ |= bit(field); }
    constexpr bool has(RecordField field) const { return (bits_ & bit(field)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr bool operator==(const FieldSet&) const = default;

private:
    static constexpr std::uint32_t bit(RecordField field) {
        return std::uint32_t{1} << static_cast<unsigned>(field);
    }

    std::uint32_t bits_ = 0;
};

// The fields of a record class: those its data lines give. A record of the undefined category
// gives none (its line gives only the name).
FieldSet fields_of(RecordKind kind);

// The field's title, UTF-8, as a column header reads ("Classe d'armatura").
std::string_view field_title(RecordField field);

// A field's value in a record: a number, or a text of the record's line (Windows-1252);
// nothing for a field the record's class does not have.
using FieldValue = std::variant<std::monostate, std::int32_t, float, std::string_view>;
FieldValue field_value(const Item& item, RecordField field);

} // namespace torvane
