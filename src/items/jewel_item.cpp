#include "jewel_item.h"

#include "armour_item.h"
#include "category_table.h"

JewelItem::JewelItem() {
    set_category(first_code_of(RecordKind::jewel));
}

std::string JewelItem::description() const {
    return describe(description_template);
}

std::string JewelItem::render(std::string_view templ) const {
    return fill_protective_placeholders(Item::render(templ), armour_class_, attack_, bonus_.view());
}

int JewelItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,  &strength_, &resistance_, &agility_,     &intelligence_,
                                  &wisdom_, &attack_,   &location_,   &armour_class_};
    return read_fields(line, fields);
}

bool JewelItem::sorts_before(const Item& other) const {
    float other_class = 0.0F;
    if (other.category() == category()) {
        other_class = static_cast<const JewelItem&>(other).armour_class_;
    }
    return protective_sorts_before(*this, armour_class_, other, other_class);
}

bool JewelItem::order_value(SortMode mode, std::uint32_t& value) const {
    return exact_order_value<JewelItem>(mode, value) &&
           protective_order_value(mode, armour_class_, value);
}

float JewelItem::compute_efficacy() const {
    return armour_class_ >= 0.0F ? armour_class_ : 0.0F;
}

std::int64_t JewelItem::compute_requirement() const {
    return protective_requirement(*this, attack_);
}
