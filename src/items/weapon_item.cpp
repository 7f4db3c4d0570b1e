#include "weapon_item.h"

#include "category_table.h"
#include "sort_mode.h"
#include "template.h"

WeaponItem::WeaponItem() {
    set_category(first_code_of(RecordKind::weapon));
}

std::string WeaponItem::description() const {
    return describe(description_template);
}

std::string WeaponItem::render(std::string_view templ) const {
    return fill_damage_placeholders(Item::render(templ), min_damage_, max_damage_, bonus_.view());
}

int WeaponItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,    &strength_,   &intelligence_, &wisdom_,
                                  &location_, &min_damage_, &max_damage_};
    return read_fields(line, fields);
}

bool WeaponItem::sorts_before(const Item& other) const {
    std::int32_t other_average = 0;
    if (other.category() == category()) {
        const auto& weapon = static_cast<const WeaponItem&>(other);
        other_average = average_damage(weapon.min_damage_, weapon.max_damage_);
    }
    return damage_sorts_before(*this, average_damage(min_damage_, max_damage_), other,
                               other_average);
}

bool WeaponItem::order_value(SortMode mode, std::uint32_t& value) const {
    if (!exact_order_value<WeaponItem>(mode, value)) {
        return false;
    }
    damage_order_value(mode, min_damage_, max_damage_, value);
    return true;
}

float WeaponItem::compute_efficacy() const {
    return static_cast<float>(non_negative(min_damage_) + non_negative(max_damage_));
}

std::int64_t WeaponItem::compute_requirement() const {
    return non_negative(strength_) + non_negative(wisdom_) + non_negative(intelligence_);
}

void damage_order_value(SortMode mode, std::int32_t min_damage, std::int32_t max_damage,
                        std::uint32_t& value) {
    if (mode == sort_by_efficacy) {
        value = int_order_bits(average_damage(min_damage, max_damage));
    }
}

std::int32_t average_damage(std::int32_t min_damage, std::int32_t max_damage) {
    return static_cast<std::int32_t>((std::int64_t{min_damage} + max_damage) / 2);
}

bool damage_sorts_before(const Item& self, std::int32_t self_average, const Item& other,
                         std::int32_t other_average) {
    if (self.category() != other.category()) {
        return self.category() < other.category();
    }
    const SortMode mode = current_sort_mode();
    if (mode == sort_by_efficacy && self_average != other_average) {
        return self_average < other_average;
    }
    if (mode == sort_by_requirement && self.requirement() != other.requirement()) {
        return self.requirement() < other.requirement();
    }
    return self.name_view() < other.name_view();
}

std::string fill_damage_placeholders(std::string text, std::int32_t min_damage,
                                     std::int32_t max_damage, std::string_view bonus) {
    // The inner groups of "%dmi" and "%dma" must resolve before "%dme" fills the outer one.
    text = fill_placeholder(text, "%dma", stat_text(max_damage));
    text = fill_placeholder(text, "%dmi", stat_text(min_damage));
    text = fill_placeholder(text, "%dme", stat_text(average_damage(min_damage, max_damage)));
    return fill_placeholder(text, "%bon", bonus);
}
