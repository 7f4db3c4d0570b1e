// Amulets, rings and bracelets: they follow the armour rules but for the template, which
// names the location.
#include "record_kinds.h"

namespace torvane {

constinit const RecordRules jewel_rules = {
    read_protection_fields,
    "%n - CA %ca{, %bon}{, For %for}{, Res %res}{, Agi %agi}{, Int %int}{, Sag %sag}"
    "{, Attacco %att}{, Luogo: %loc}",
    protection_field_names};

} // namespace torvane
