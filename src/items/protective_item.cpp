// The fields of armour, robes and jewels: a bonus text, an armour class and an attack value,
// read in one field order. The armour class (never below 0) is the efficacy; five statistics
// plus a fifteenth of the attack make the requirement.
#include "record_kinds.h"
#include "templates/template.h"

namespace torvane {

void read_protection_fields(FieldReader& reader, Item& item) {
    ProtectionFields protection;
    reader.text(protection.bonus);
    reader.integer(item.strength);
    reader.integer(item.resistance);
    reader.integer(item.agility);
    reader.integer(item.intelligence);
    reader.integer(item.wisdom);
    reader.integer(protection.attack);
    reader.text(item.location_text);
    reader.real(protection.armour_class);
    item.fields = protection;
}

std::int64_t requirement_sum(const Item& item, const ProtectionFields& fields) {
    return non_negative(item.strength) + non_negative(item.resistance) +
           non_negative(item.agility) + non_negative(item.wisdom) +
           non_negative(item.intelligence) + non_negative(fields.attack) / 15;
}

float efficacy_of(const Item& /*item*/, const ProtectionFields& fields) {
    return fields.armour_class >= 0.0F ? fields.armour_class : 0.0F;
}

void fill_fields(const Item& item, const ProtectionFields& fields, std::string& text) {
    text = fill_placeholder(text, "%ca",
                            fields.armour_class >= 0.0F ? class_text(fields.armour_class) : "?");
    text = fill_placeholder(text, "%att", stat_text(fields.attack));
    text = fill_placeholder(text, "%bon", item.text(fields.bonus));
}

} // namespace torvane
