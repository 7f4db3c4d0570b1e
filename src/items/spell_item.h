#pragma once

#include "category_table.h"
#include "item.h"
#include "record_class.h"

// Spells: mana, a prerequisite text, a teacher and costs in PA and coins. They keep the base
// ordering. The template is in spell_item.cpp.
class SpellItem : public RecordClass<SpellItem, Item, first_code_of(RecordKind::spell)> {
public:
    static const std::string_view description_template;

    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;

    std::string prerequisite() const { return std::string(prerequisite_.view()); }
    std::string teacher() const { return std::string(teacher_.view()); }
    std::int32_t mana() const { return mana_; }
    std::int32_t pa_cost() const { return pa_cost_; }
    std::int32_t coin_cost() const { return coin_cost_; }

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText prerequisite_;
    RecordText teacher_;
    std::int32_t mana_ = 0;
    std::int32_t pa_cost_ = 0;
    std::int32_t coin_cost_ = 0;
};
