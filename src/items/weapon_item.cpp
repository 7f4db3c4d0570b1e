// Weapons: a bonus text and a damage range, with strength, intelligence and wisdom.
#include "record_kinds.h"

namespace torvane {

namespace {

constexpr std::string_view fields[] = {"bonus", "forza",        "intelligenza", "saggezza",
                                       "luogo", "danno minimo", "danno massimo"};

void read_fields(FieldReader& reader, Item& item) {
    DamageFields damage;
    reader.text(damage.bonus);
    reader.integer(item.strength);
    reader.integer(item.intelligence);
    reader.integer(item.wisdom);
    reader.text(item.location_text);
    reader.integer(damage.min_damage);
    reader.integer(damage.max_damage);
    item.fields = damage;
}

} // namespace

constinit const RecordRules weapon_rules = {
    read_fields,
    "%n - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }{For %for, }{Int %int, }{Sag %sag, }"
    "{Luogo: %loc}",
    fields};

} // namespace torvane
