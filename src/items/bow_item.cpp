#include "bow_item.h"

// " Luogo:" stands outside every group, so the label shows even without a location.
const std::string_view BowItem::description_template =
    "%n - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }{For %for, }{Agi %agi, }{Int %int, }"
    "{Sag %sag, } Luogo:{ %loc}";

int BowItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,  &strength_, &agility_,    &intelligence_,
                                  &wisdom_, &location_, &min_damage_, &max_damage_};
    return read_fields(line, fields);
}
