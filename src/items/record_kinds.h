#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "items/data_line.h"
#include "items/item.h"

// What each record class does its own way. The category decides the class (category_table.h);
// each class has a file of its own: the fields of its data line in their order, with their
// names, and its description template. The fields a class adds (item.h) decide how a record
// is rendered and what it requires and gives: one file per group of fields. Only the files of
// records use this header.
namespace torvane {

struct RecordRules {
    // Reads the fields after the "=" into the record, in the order of the class's data line.
    void (*read_fields)(FieldReader& reader, Item& item);
    std::string_view description_template;
    // The fields in the order of the data line, in Italian (UTF-8), for archive authors.
    std::span<const std::string_view> field_names;
};

extern const RecordRules plain_rules;
extern const RecordRules weapon_rules;
extern const RecordRules armour_rules;
extern const RecordRules bow_rules;
extern const RecordRules jewel_rules;
extern const RecordRules ability_rules;
extern const RecordRules spell_rules;

const RecordRules& rules_of(RecordKind kind);

// The rules of each group of fields. Sums are 64 bits wide, so that no sum of 32-bit values
// overflows before requirement() clamps it; efficacies are 0 or more.
std::int64_t requirement_sum(const Item& item, std::monostate none);
std::int64_t requirement_sum(const Item& item, const DamageFields& fields);
std::int64_t requirement_sum(const Item& item, const ProtectionFields& fields);
std::int64_t requirement_sum(const Item& item, const TrainingFields& fields);
std::int64_t requirement_sum(const Item& item, const SpellFields& fields);

float efficacy_of(const Item& item, std::monostate none);
float efficacy_of(const Item& item, const DamageFields& fields);
float efficacy_of(const Item& item, const ProtectionFields& fields);
float efficacy_of(const Item& item, const TrainingFields& fields);
float efficacy_of(const Item& item, const SpellFields& fields);

// Fills the placeholders of the group's fields into text, already filled with the base
// placeholders, in the group's order.
void fill_fields(const Item& item, std::monostate none, std::string& text);
void fill_fields(const Item& item, const DamageFields& fields, std::string& text);
void fill_fields(const Item& item, const ProtectionFields& fields, std::string& text);
void fill_fields(const Item& item, const TrainingFields& fields, std::string& text);
void fill_fields(const Item& item, const SpellFields& fields, std::string& text);

// max(0, value), widened so that sums of several values cannot overflow.
inline std::int64_t non_negative(std::int32_t value) {
    return value > 0 ? value : 0;
}

// Armour and jewels read the same fields in the same order.
void read_protection_fields(FieldReader& reader, Item& item);
inline constexpr std::string_view protection_field_names[] = {
    "bonus",    "forza",   "resistenza", "agilità",          "intelligenza",
    "saggezza", "attacco", "luogo",      "classe d'armatura"};

// The requirement of a plain record: the six statistics.
std::int64_t base_requirement(const Item& item);

// (min + max) / 2, truncated toward zero, without overflow: the damage a description shows and
// the key of the efficacy sort.
std::int32_t average_damage(const DamageFields& fields);

} // namespace torvane
