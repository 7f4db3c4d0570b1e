#include "bow_item.h"

#include "category_table.h"
#include "weapon_item.h"

BowItem::BowItem() {
    set_category(first_code_of(RecordKind::bow));
}

std::string BowItem::description() const {
    return describe(description_template);
}

std::string BowItem::render(std::string_view templ) const {
    return fill_damage_placeholders(Item::render(templ), min_damage_, max_damage_, bonus_.view());
}

int BowItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,  &strength_, &agility_,    &intelligence_,
                                  &wisdom_, &location_, &min_damage_, &max_damage_};
    return read_fields(line, fields);
}

bool BowItem::sorts_before(const Item& other) const {
    std::int32_t other_average = 0;
    if (other.category() == category()) {
        const auto& bow = static_cast<const BowItem&>(other);
        other_average = average_damage(bow.min_damage_, bow.max_damage_);
    }
    return damage_sorts_before(*this, average_damage(min_damage_, max_damage_), other,
                               other_average);
}

bool BowItem::order_value(SortMode mode, std::uint32_t& value) const {
    if (!exact_order_value<BowItem>(mode, value)) {
        return false;
    }
    damage_order_value(mode, min_damage_, max_damage_, value);
    return true;
}

float BowItem::compute_efficacy() const {
    return static_cast<float>(non_negative(max_damage_) + non_negative(min_damage_));
}

std::int64_t BowItem::compute_requirement() const {
    return non_negative(strength_) + non_negative(agility_) + non_negative(wisdom_) +
           non_negative(intelligence_);
}
