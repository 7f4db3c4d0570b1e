#pragma once

#include "category_table.h"
#include "protective_item.h"
#include "record_class.h"

// Shields, armour, robes, helmets, gloves, boots, belts and cloaks; made alone, a record of
// armour proper, whose name the class bears. The template is in armour_item.cpp.
class ArmourItem : public RecordClass<ArmourItem, ProtectiveItem, code_named("Armatura")> {
public:
    static const std::string_view description_template;
};
