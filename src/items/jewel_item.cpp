#include "jewel_item.h"

const std::string_view JewelItem::description_template =
    "%n - CA %ca{, %bon}{, For %for}{, Res %res}{, Agi %agi}{, Int %int}{, Sag %sag}"
    "{, Attacco %att}{, Luogo: %loc}";
