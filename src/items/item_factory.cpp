#include <array>

#include "ability_item.h"
#include "armour_item.h"
#include "bow_item.h"
#include "item.h"
#include "jewel_item.h"
#include "spell_item.h"
#include "weapon_item.h"

namespace {

constexpr std::array<std::string_view, 21> display_names = {
    "Indefinito",   "Arma",        "Scudo",         "Armatura", "Veste Nera", "Veste Verde",
    "Veste Bianca", "Veste Rossa", "Veste Arciere", "Elmo",     "Guanti",     "Stivali",
    "Cintura",      "Mantello",    "Arco",          "Frecce",   "Amuleto",    "Anello",
    "Bracciale",    "Abilit\xE0",  "Incantesimo"};

Item* make_record(int code) {
    if (code == 1) {
        return new WeaponItem;
    }
    if (code >= 2 && code <= 13) {
        return new ArmourItem;
    }
    if (code == 14 || code == 15) {
        return new BowItem;
    }
    if (code >= 16 && code <= 18) {
        return new JewelItem;
    }
    if (code == 19) {
        return new AbilityItem;
    }
    if (code == 20) {
        return new SpellItem;
    }
    return new Item;
}

} // namespace

Item* create_item(int code) {
    const bool known = code >= 1 && code <= 20;
    Item* item = make_record(known ? code : 0);
    item->set_category(known ? code : 0);
    return item;
}

std::string category_name(int code) {
    if (code < 1 || code > 20) {
        return std::string(display_names[0]);
    }
    return std::string(display_names[static_cast<std::size_t>(code)]);
}
