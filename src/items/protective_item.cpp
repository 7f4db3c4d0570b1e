#include "protective_item.h"

#include <bit>
#include <cmath>

#include "sort_mode.h"
#include "template.h"

std::string ProtectiveItem::render(std::string_view templ) const {
    std::string text = Item::render(templ);
    text = fill_placeholder(text, "%ca", armour_class_ >= 0.0F ? class_text(armour_class_) : "?");
    text = fill_placeholder(text, "%att", stat_text(attack_));
    return fill_placeholder(text, "%bon", bonus_.view());
}

int ProtectiveItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,  &strength_, &resistance_, &agility_,     &intelligence_,
                                  &wisdom_, &attack_,   &location_,   &armour_class_};
    return read_fields(line, fields);
}

bool ProtectiveItem::sorts_before(const Item& other) const {
    if (other.category() == category() && current_sort_mode() == sort_by_efficacy) {
        // Records of one code are of one class: create_item makes the class from the code.
        const float theirs = static_cast<const ProtectiveItem&>(other).armour_class_;
        if (armour_class_ != theirs) {
            return armour_class_ < theirs;
        }
    }
    return base_sorts_before(other);
}

bool ProtectiveItem::ordering_value(SortMode mode, std::uint32_t& value) const {
    if (mode != sort_by_efficacy) {
        return Item::ordering_value(mode, value);
    }
    // The field reader never stores a NaN; one would order with nothing, which no key can
    // say, so it leaves the sort to sorts_before.
    if (std::isnan(armour_class_)) {
        return false;
    }
    // -0 and 0 compare equal and share a key; above that the bits of a float order as its
    // value once the negative ones are turned round.
    const auto bits = std::bit_cast<std::uint32_t>(armour_class_ == 0.0F ? 0.0F : armour_class_);
    value = (bits & 0x80000000U) != 0 ? ~bits : bits | 0x80000000U;
    return true;
}

float ProtectiveItem::compute_efficacy() const {
    return armour_class_ >= 0.0F ? armour_class_ : 0.0F;
}

std::int64_t ProtectiveItem::compute_requirement() const {
    return non_negative(strength_) + non_negative(resistance_) + non_negative(agility_) +
           non_negative(wisdom_) + non_negative(intelligence_) + non_negative(attack_) / 15;
}
