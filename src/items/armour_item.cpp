#include "armour_item.h"

#include <bit>
#include <cmath>

#include "category_table.h"
#include "sort_mode.h"
#include "template.h"

ArmourItem::ArmourItem() {
    // Armour proper, of which the class bears the name.
    set_category(code_named("Armatura"));
}

std::string ArmourItem::description() const {
    return describe(description_template);
}

std::string ArmourItem::render(std::string_view templ) const {
    return fill_protective_placeholders(Item::render(templ), armour_class_, attack_, bonus_.view());
}

int ArmourItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,  &strength_, &resistance_, &agility_,     &intelligence_,
                                  &wisdom_, &attack_,   &location_,   &armour_class_};
    return read_fields(line, fields);
}

bool ArmourItem::sorts_before(const Item& other) const {
    float other_class = 0.0F;
    if (other.category() == category()) {
        other_class = static_cast<const ArmourItem&>(other).armour_class_;
    }
    return protective_sorts_before(*this, armour_class_, other, other_class);
}

bool ArmourItem::order_value(SortMode mode, std::uint32_t& value) const {
    return exact_order_value<ArmourItem>(mode, value) &&
           protective_order_value(mode, armour_class_, value);
}

float ArmourItem::compute_efficacy() const {
    return armour_class_ >= 0.0F ? armour_class_ : 0.0F;
}

std::int64_t ArmourItem::compute_requirement() const {
    return protective_requirement(*this, attack_);
}

std::int64_t protective_requirement(const Item& item, std::int32_t attack) {
    return non_negative(item.strength()) + non_negative(item.resistance()) +
           non_negative(item.agility()) + non_negative(item.wisdom()) +
           non_negative(item.intelligence()) + non_negative(attack) / 15;
}

bool protective_sorts_before(const Item& self, float self_class, const Item& other,
                             float other_class) {
    if (self.category() != other.category()) {
        return self.category() < other.category();
    }
    const SortMode mode = current_sort_mode();
    if (mode == sort_by_efficacy && self_class != other_class) {
        return self_class < other_class;
    }
    if (mode == sort_by_requirement && self.requirement() != other.requirement()) {
        return self.requirement() < other.requirement();
    }
    return self.name_view() < other.name_view();
}

bool protective_order_value(SortMode mode, float armour_class, std::uint32_t& value) {
    if (mode != sort_by_efficacy) {
        return true;
    }
    // The field reader never stores a NaN; one would order with nothing, which no key can
    // say, so it leaves the sort to sorts_before.
    if (std::isnan(armour_class)) {
        return false;
    }
    // -0 and 0 compare equal and share a key; above that the bits of a float order as its
    // value once the negative ones are turned round.
    const auto bits = std::bit_cast<std::uint32_t>(armour_class == 0.0F ? 0.0F : armour_class);
    value = (bits & 0x80000000U) != 0 ? ~bits : bits | 0x80000000U;
    return true;
}

std::string fill_protective_placeholders(std::string text, float armour_class, std::int32_t attack,
                                         std::string_view bonus) {
    text = fill_placeholder(text, "%ca", armour_class >= 0.0F ? class_text(armour_class) : "?");
    text = fill_placeholder(text, "%att", stat_text(attack));
    return fill_placeholder(text, "%bon", bonus);
}
