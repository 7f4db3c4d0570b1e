#include "items/record_fields.h"

#include <array>

namespace torvane {

namespace {

// A value of the group of fields Fields (item.h); nothing for a record without that group.
template <typename Fields, auto Member> FieldValue value_of(const Item& item) {
    if (const auto* const fields = std::get_if<Fields>(&item.fields)) {
        const auto& value = fields->*Member;
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, LineText>) {
            return item.text(value);
        } else {
            return value;
        }
    }
    return std::monostate{};
}

// The bonus and the teacher are each held by either of two groups of fields.
FieldValue bonus_of(const Item& item) {
    const FieldValue damage = value_of<DamageFields, &DamageFields::bonus>(item);
    return std::holds_alternative<std::monostate>(damage)
               ? value_of<ProtectionFields, &ProtectionFields::bonus>(item)
               : damage;
}

FieldValue teacher_of(const Item& item) {
    const FieldValue training = value_of<TrainingFields, &TrainingFields::teacher>(item);
    return std::holds_alternative<std::monostate>(training)
               ? value_of<SpellFields, &SpellFields::teacher>(item)
               : training;
}

struct FieldEntry {
    RecordField field;
    std::string_view title;
    FieldValue (*value)(const Item& item);
};

constexpr std::array<FieldEntry, record_field_count> entries = {{
    {RecordField::level, "Livello", [](const Item& i) -> FieldValue { return i.level; }},
    {RecordField::strength, "Forza", [](const Item& i) -> FieldValue { return i.strength; }},
    {RecordField::resistance, "Resistenza",
     [](const Item& i) -> FieldValue { return i.resistance; }},
    {RecordField::agility, "Agilità", [](const Item& i) -> FieldValue { return i.agility; }},
    {RecordField::wisdom, "Saggezza", [](const Item& i) -> FieldValue { return i.wisdom; }},
    {RecordField::intelligence, "Intelligenza",
     [](const Item& i) -> FieldValue { return i.intelligence; }},
    {RecordField::attack, "Attacco", value_of<ProtectionFields, &ProtectionFields::attack>},
    {RecordField::bonus, "Bonus", bonus_of},
    {RecordField::min_damage, "Danno minimo", value_of<DamageFields, &DamageFields::min_damage>},
    {RecordField::max_damage, "Danno massimo", value_of<DamageFields, &DamageFields::max_damage>},
    {RecordField::armour_class, "Classe d'armatura",
     value_of<ProtectionFields, &ProtectionFields::armour_class>},
    {RecordField::mana, "Mana", value_of<SpellFields, &SpellFields::mana>},
    {RecordField::prerequisite, "Prerequisito", value_of<SpellFields, &SpellFields::prerequisite>},
    {RecordField::teacher, "Insegnante", teacher_of},
    {RecordField::trainer, "Addestratore", value_of<TrainingFields, &TrainingFields::trainer>},
    {RecordField::teacher_cost, "Costo dell'insegnante",
     value_of<TrainingFields, &TrainingFields::teacher_cost>},
    {RecordField::trainer_cost, "Costo dell'addestratore",
     value_of<TrainingFields, &TrainingFields::trainer_cost>},
    {RecordField::pa_cost, "Costo in PA", value_of<SpellFields, &SpellFields::pa_cost>},
    {RecordField::coin_cost, "Costo in monete", value_of<SpellFields, &SpellFields::coin_cost>},
    {RecordField::location, "Luogo", [](const Item& i) -> FieldValue { return i.location(); }},
}};

// Every field at the place of its code, which the lookups below rely on.
static_assert([] {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<std::size_t>(entries[i].field) != i) {
            return false;
        }
    }
    return true;
}());

const FieldEntry& entry_of(RecordField field) {
    return entries[static_cast<std::size_t>(field)];
}

} // namespace

FieldSet fields_of(RecordKind kind) {
    using enum RecordField;
    switch (kind) {
    case RecordKind::plain:
        return {};
    case RecordKind::weapon:
        return {bonus, strength, intelligence, wisdom, location, min_damage, max_damage};
    case RecordKind::bow:
        return {bonus, strength, agility, intelligence, wisdom, location, min_damage, max_damage};
    case RecordKind::armour:
    case RecordKind::jewel:
        return {bonus,  strength, resistance, agility,     intelligence,
                wisdom, attack,   location,   armour_class};
    case RecordKind::ability:
        return {level,  strength, resistance, agility,      intelligence,
                wisdom, teacher,  trainer,    teacher_cost, trainer_cost};
    case RecordKind::spell:
        return {mana,     level,   intelligence, wisdom,   prerequisite,
                location, teacher, pa_cost,      coin_cost};
    }
    return {};
}

std::string_view field_title(RecordField field) {
    return entry_of(field).title;
}

FieldValue field_value(const Item& item, RecordField field) {
    if (!fields_of(kind_of(item)).has(field)) {
        return std::monostate{};
    }
    return entry_of(field).value(item);
}

} // namespace torvane
