#pragma once

#include "category_table.h"
#include "protective_item.h"
#include "record_class.h"

// Amulets, rings and bracelets: they follow the armour rules but for the template, which is
// in jewel_item.cpp.
class JewelItem : public RecordClass<JewelItem, ProtectiveItem, first_code_of(RecordKind::jewel)> {
public:
    static const std::string_view description_template;
};
