#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "items/category_table.h"

namespace torvane {

// Category code carried by every record; category_table.h lists the codes.
using ItemCategory = std::int32_t;

// A text of a record: a piece of the data line the record was read from, by its place in the
// line. Eight bytes where a view would take sixteen, which a million records feel.
struct LineText {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// What weapons, bows and arrows add: a bonus text and a damage range.
struct DamageFields {
    LineText bonus;
    std::int32_t min_damage = 0;
    std::int32_t max_damage = 0;
};

// What armour, robes and jewels add: a bonus text, an armour class and an attack value.
struct ProtectionFields {
    LineText bonus;
    float armour_class = 0.0F;
    std::int32_t attack = 0;
};

// What abilities add: who teaches and who trains them, and what each costs.
struct TrainingFields {
    LineText teacher;
    LineText trainer;
    std::int32_t teacher_cost = 0;
    std::int32_t trainer_cost = 0;
};

// What spells add: a prerequisite text, a teacher, the mana and the costs in PA and coins.
struct SpellFields {
    LineText prerequisite;
    LineText teacher;
    std::int32_t mana = 0;
    std::int32_t pa_cost = 0;
    std::int32_t coin_cost = 0;
};

// The fields of a record beyond those every record has; none for the undefined category.
using KindFields =
    std::variant<std::monostate, DamageFields, ProtectionFields, TrainingFields, SpellFields>;

// One entry of the catalogue, as parse_line reads it from its data line: a plain value that
// never changes afterwards. Its texts are pieces of that line, which must outlive it (the
// catalogue keeps the bytes of its file). Texts are Windows-1252 bytes; a text the line does
// not give reads as empty.
//
// Integer values hold what the line says, with two special values throughout: 0 means none
// (descriptions leave it out, sums count nothing) and -1 that the catalogue does not state
// it (descriptions show "?", sums count 0).
//
// The members stand so that no padding comes between them: the 32-bit values first, then the
// fields (32 bytes, 4-byte aligned), then the line's address.
struct Item {
    ItemCategory category = undefined_category;
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
    // The name is the first name_size bytes of the data line.
    std::uint32_t name_size = 0;
    KindFields fields;
    // The data line the record was read from.
    const char* line = "";
    LineText location_text;

    std::string_view name() const { return {line, name_size}; }
    std::string_view location() const { return text(location_text); }
    std::string_view text(LineText piece) const { return {line + piece.offset, piece.size}; }
};

// A catalogue holds a record per line of its archive, a million and more: every byte of the
// record is a megabyte of memory there, and records that fit fewer cache lines are walked
// faster by every sort and filter.
static_assert(sizeof(void*) != 8 || sizeof(Item) == 80, "a record takes 80 bytes on 64 bits");

// What the record asks of a character: the statistics and costs its category counts, each
// taken as 0 when negative, clamped into 32 bits.
std::int32_t requirement(const Item& item);

// What the record gives: the sum of the damages for weapons, bows and arrows, the armour class
// for armour and jewels, the level for abilities, mana and PA for spells; never below 0.
float efficacy(const Item& item);

// The attack value of armour and jewels; 0 for every other record.
std::int32_t attack(const Item& item);

// Display name of a category code; that of the undefined category for any code outside
// category_table.
std::string_view category_name(int code);

// The record class of a record's category, which decides its fields, template and order.
inline RecordKind kind_of(const Item& item) {
    return category_info(item.category).kind;
}

} // namespace torvane
