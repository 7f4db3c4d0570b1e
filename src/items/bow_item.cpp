// Bows and arrows: like weapons, a bonus text and a damage range, with agility among the
// statistics; they order as weapons do.
#include "record_kinds.h"

namespace torvane {

namespace {

constexpr std::string_view fields[] = {"bonus",    "forza", "agilità",      "intelligenza",
                                       "saggezza", "luogo", "danno minimo", "danno massimo"};

void read_fields(FieldReader& reader, Item& item) {
    DamageFields damage;
    reader.text(damage.bonus);
    reader.integer(item.strength);
    reader.integer(item.agility);
    reader.integer(item.intelligence);
    reader.integer(item.wisdom);
    reader.text(item.location_text);
    reader.integer(damage.min_damage);
    reader.integer(damage.max_damage);
    item.fields = damage;
}

} // namespace

// " Luogo:" stands outside every group, so the label shows even without a location.
constinit const RecordRules bow_rules = {
    read_fields,
    "%n - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }{For %for, }{Agi %agi, }{Int %int, }"
    "{Sag %sag, } Luogo:{ %loc}",
    fields};

} // namespace torvane
