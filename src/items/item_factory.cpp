#include <array>

#include "armour_item.h"
#include "item.h"
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
    // Until their own classes exist, the other categories are plain records.
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
