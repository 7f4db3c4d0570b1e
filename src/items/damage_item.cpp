// The fields of weapons, bows and arrows: a bonus text and a damage range, whose sum is the
// efficacy. Strength, agility, wisdom and intelligence make the requirement (weapons have no
// agility field: theirs stays 0).
#include "record_kinds.h"
#include "templates/template.h"

namespace torvane {

std::int32_t average_damage(const DamageFields& fields) {
    return static_cast<std::int32_t>((std::int64_t{fields.min_damage} + fields.max_damage) / 2);
}

std::int64_t requirement_sum(const Item& item, const DamageFields& /*fields*/) {
    return non_negative(item.strength) + non_negative(item.agility) + non_negative(item.wisdom) +
           non_negative(item.intelligence);
}

float efficacy_of(const Item& /*item*/, const DamageFields& fields) {
    return static_cast<float>(non_negative(fields.min_damage) + non_negative(fields.max_damage));
}

void fill_fields(const Item& item, const DamageFields& fields, std::string& text) {
    // The inner groups of "%dmi" and "%dma" must resolve before "%dme" fills the outer one.
    text = fill_placeholder(text, "%dma", stat_text(fields.max_damage));
    text = fill_placeholder(text, "%dmi", stat_text(fields.min_damage));
    text = fill_placeholder(text, "%dme", stat_text(average_damage(fields)));
    text = fill_placeholder(text, "%bon", item.text(fields.bonus));
}

} // namespace torvane
