#pragma once

#include "category_table.h"
#include "item.h"
#include "record_class.h"

// Abilities: all six statistics, a teacher and a trainer, each with a cost. They have no
// location and keep the base ordering. The template is in ability_item.cpp.
class AbilityItem : public RecordClass<AbilityItem, Item, first_code_of(RecordKind::ability)> {
public:
    static const std::string_view description_template;

    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;

    std::string teacher() const { return std::string(teacher_.view()); }
    std::string trainer() const { return std::string(trainer_.view()); }
    std::int32_t teacher_cost() const { return teacher_cost_; }
    std::int32_t trainer_cost() const { return trainer_cost_; }

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText teacher_;
    RecordText trainer_;
    std::int32_t teacher_cost_ = 0;
    std::int32_t trainer_cost_ = 0;
};
