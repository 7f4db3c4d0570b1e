// Spells: mana, a prerequisite text, a teacher and costs in PA and coins, with level,
// intelligence and wisdom. They order as plain records do.
#include "record_kinds.h"
#include "templates/template.h"

namespace torvane {

namespace {

constexpr std::string_view fields[] = {"mana",       "livello",      "intelligenza",
                                       "saggezza",   "prerequisito", "luogo",
                                       "insegnante", "costo in PA",  "costo in monete"};

void read_fields(FieldReader& reader, Item& item) {
    SpellFields spell;
    reader.integer(spell.mana);
    reader.integer(item.level);
    reader.integer(item.intelligence);
    reader.integer(item.wisdom);
    reader.text(spell.prerequisite);
    reader.text(item.location_text);
    reader.text(spell.teacher);
    reader.integer(spell.pa_cost);
    reader.integer(spell.coin_cost);
    item.fields = spell;
}

} // namespace

// "Costo: " and the "/" always show.
constinit const RecordRules spell_rules = {
    read_fields,
    "%n - {Liv. %lvl, }{Int %int, }{Sag %sag, }{Mana %man, }{Req. %req, }{Luogo %loc, }"
    "{Ins. %ins, }Costo: {PA %pac}/{Mon %gpc}",
    fields};

std::int64_t requirement_sum(const Item& item, const SpellFields& fields) {
    // Each cost drops its own remainder: two costs of 1 add nothing.
    return non_negative(item.level) + non_negative(item.wisdom) + non_negative(item.intelligence) +
           non_negative(fields.mana) + non_negative(fields.coin_cost) / 2 +
           non_negative(fields.pa_cost) / 2;
}

float efficacy_of(const Item& /*item*/, const SpellFields& fields) {
    return static_cast<float>(non_negative(fields.mana) + non_negative(fields.pa_cost));
}

void fill_fields(const Item& item, const SpellFields& fields, std::string& text) {
    text = fill_placeholder(text, "%man", stat_text(fields.mana));
    text = fill_placeholder(text, "%gpc", stat_text(fields.coin_cost));
    text = fill_placeholder(text, "%pac", stat_text(fields.pa_cost));
    text = fill_placeholder(text, "%req", item.text(fields.prerequisite));
    text = fill_placeholder(text, "%ins", item.text(fields.teacher));
}

} // namespace torvane
