#include "damage_item.h"

#include "sort_mode.h"
#include "template.h"

std::string DamageItem::render(std::string_view templ) const {
    std::string text = Item::render(templ);
    // The inner groups of "%dmi" and "%dma" must resolve before "%dme" fills the outer one.
    text = fill_placeholder(text, "%dma", stat_text(max_damage_));
    text = fill_placeholder(text, "%dmi", stat_text(min_damage_));
    text = fill_placeholder(text, "%dme", stat_text(average_damage()));
    return fill_placeholder(text, "%bon", bonus_.view());
}

bool DamageItem::sorts_before(const Item& other) const {
    if (other.category() == category() && current_sort_mode() == sort_by_efficacy) {
        // Records of one code are of one class: create_item makes the class from the code.
        const std::int32_t theirs = static_cast<const DamageItem&>(other).average_damage();
        if (average_damage() != theirs) {
            return average_damage() < theirs;
        }
    }
    return base_sorts_before(other);
}

std::int32_t DamageItem::average_damage() const {
    return static_cast<std::int32_t>((std::int64_t{min_damage_} + max_damage_) / 2);
}

bool DamageItem::ordering_value(SortMode mode, std::uint32_t& value) const {
    if (mode == sort_by_efficacy) {
        value = int_order_bits(average_damage());
        return true;
    }
    return Item::ordering_value(mode, value);
}

float DamageItem::compute_efficacy() const {
    return static_cast<float>(non_negative(min_damage_) + non_negative(max_damage_));
}

std::int64_t DamageItem::compute_requirement() const {
    // Weapons have no agility field: theirs stays 0.
    return non_negative(strength_) + non_negative(agility_) + non_negative(wisdom_) +
           non_negative(intelligence_);
}
