#include "weapon_item.h"

const std::string_view WeaponItem::description_template =
    "%n - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }{For %for, }{Int %int, }{Sag %sag, }"
    "{Luogo: %loc}";

int WeaponItem::parse_line(std::string_view line) {
    const FieldTarget fields[] = {&bonus_,    &strength_,   &intelligence_, &wisdom_,
                                  &location_, &min_damage_, &max_damage_};
    return read_fields(line, fields);
}
