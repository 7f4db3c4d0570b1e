#include "spell_item.h"

#include "template.h"

// "Costo: " and the "/" always show.
const std::string_view SpellItem::description_template =
    "%n - {Liv. %lvl, }{Int %int, }{Sag %sag, }{Mana %man, }{Req. %req, }{Luogo %loc, }"
    "{Ins. %ins, }Costo: {PA %pac}/{Mon %gpc}";

std::string SpellItem::render(std::string_view templ) const {
    std::string w = Item::render(templ);
    w = fill_placeholder(w, "%man", stat_text(mana_));
    w = fill_placeholder(w, "%gpc", stat_text(coin_cost_));
    w = fill_placeholder(w, "%pac", stat_text(pa_cost_));
    w = fill_placeholder(w, "%req", prerequisite_.view());
    return fill_placeholder(w, "%ins", teacher_.view());
}

int SpellItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&mana_,     &level_,   &intelligence_, &wisdom_,   &prerequisite_,
                                  &location_, &teacher_, &pa_cost_,      &coin_cost_};
    return read_fields(line, fields);
}

float SpellItem::compute_efficacy() const {
    return static_cast<float>(non_negative(mana_) + non_negative(pa_cost_));
}

std::int64_t SpellItem::compute_requirement() const {
    // Each cost drops its own remainder: two costs of 1 add nothing.
    return non_negative(level_) + non_negative(wisdom_) + non_negative(intelligence_) +
           non_negative(mana_) + non_negative(coin_cost_) / 2 + non_negative(pa_cost_) / 2;
}
