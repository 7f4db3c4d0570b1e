// Shields, armour, robes, helmets, gloves, boots, belts and cloaks: the fields of
// protective_item.cpp, with the location after a dash.
#include "record_kinds.h"

namespace torvane {

constinit const RecordRules armour_rules = {
    read_protection_fields,
    "%n - CA %ca{, %bon}{, For %for}{, Res %res}{, Agi %agi}{, Int %int}{, Sag %sag}"
    "{, Attacco %att}{ - %loc}",
    protection_field_names};

} // namespace torvane
