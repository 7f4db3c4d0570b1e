#include "ability_item.h"

#include "template.h"

// Wisdom counts in the requirement but has no place here; "Costo: " and the "/" always show.
const std::string_view AbilityItem::description_template =
    "%n - {Liv. %lvl, }{For %for, }{Res %res, }{Agi %agi, }{Int %int, }"
    "{Insegnante: %ins, }{Addestratore %add, }Costo: {Ins. %gpi}/{Add. %gpa}";

std::string AbilityItem::render(std::string_view templ) const {
    std::string w = Item::render(templ);
    w = fill_placeholder(w, "%gpa", stat_text(trainer_cost_));
    w = fill_placeholder(w, "%gpi", stat_text(teacher_cost_));
    w = fill_placeholder(w, "%ins", teacher_.view());
    return fill_placeholder(w, "%add", trainer_.view());
}

int AbilityItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&level_,        &strength_,    &resistance_, &agility_,
                                  &intelligence_, &wisdom_,      &teacher_,    &trainer_,
                                  &teacher_cost_, &trainer_cost_};
    return read_fields(line, fields);
}

float AbilityItem::compute_efficacy() const {
    return static_cast<float>(non_negative(level_));
}

std::int64_t AbilityItem::compute_requirement() const {
    // Training costs ten times what teaching does; the 64-bit sum keeps the product exact
    // until requirement() saturates it.
    return Item::compute_requirement() + non_negative(teacher_cost_) +
           10 * non_negative(trainer_cost_);
}
