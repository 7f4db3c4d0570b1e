#pragma once

#include "category_table.h"
#include "damage_item.h"
#include "record_class.h"

// Weapons: a bonus text and a damage range, with strength, intelligence and wisdom. The
// template and the order of the fields are in weapon_item.cpp.
class WeaponItem : public RecordClass<WeaponItem, DamageItem, first_code_of(RecordKind::weapon)> {
public:
    static const std::string_view description_template;
    int parse_line(std::string_view line) override;
};
