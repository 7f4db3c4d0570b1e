#pragma once

#include "category_table.h"
#include "damage_item.h"
#include "record_class.h"

// Bows and arrows: like weapons, a bonus text and a damage range, with agility among the
// statistics; ordered as weapons are. The template and the order of the fields are in
// bow_item.cpp.
class BowItem : public RecordClass<BowItem, DamageItem, first_code_of(RecordKind::bow)> {
public:
    static const std::string_view description_template;
    int parse_line(std::string_view line) override;
};
