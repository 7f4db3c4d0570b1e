#include <array>
#include <new>
#include <type_traits>

#include "ability_item.h"
#include "armour_item.h"
#include "bow_item.h"
#include "item.h"
#include "jewel_item.h"
#include "record_arena.h"
#include "spell_item.h"
#include "weapon_item.h"

namespace {

constexpr std::array<std::string_view, 21> display_names = {
    "Indefinito",   "Arma",        "Scudo",         "Armatura", "Veste Nera", "Veste Verde",
    "Veste Bianca", "Veste Rossa", "Veste Arciere", "Elmo",     "Guanti",     "Stivali",
    "Cintura",      "Mantello",    "Arco",          "Frecce",   "Amuleto",    "Anello",
    "Bracciale",    "Abilit\xE0",  "Incantesimo"};

// Makes the record of the class for a known code (0 for the plain record) with Make, which
// is given the class's type and returns the new record.
template <typename Make> Item* make_record(int code, Make make) {
    if (code == 1) {
        return make(std::type_identity<WeaponItem>{});
    }
    if (code >= 2 && code <= 13) {
        return make(std::type_identity<ArmourItem>{});
    }
    if (code == 14 || code == 15) {
        return make(std::type_identity<BowItem>{});
    }
    if (code >= 16 && code <= 18) {
        return make(std::type_identity<JewelItem>{});
    }
    if (code == 19) {
        return make(std::type_identity<AbilityItem>{});
    }
    if (code == 20) {
        return make(std::type_identity<SpellItem>{});
    }
    return make(std::type_identity<Item>{});
}

int known_code(int code) {
    return code >= 1 && code <= 20 ? code : 0;
}

} // namespace

Item* create_item(int code) {
    Item* const item =
        make_record(known_code(code), []<typename Record>(std::type_identity<Record>) {
            return static_cast<Item*>(new Record);
        });
    item->set_category(known_code(code));
    return item;
}

Item* create_item(int code, RecordArena& arena) {
    Item* const item =
        make_record(known_code(code), [&arena]<typename Record>(std::type_identity<Record>) {
            return static_cast<Item*>(new (arena.allocate(sizeof(Record))) Record);
        });
    item->arena_ = arena.retain();
    item->set_category(known_code(code));
    return item;
}

std::string category_name(int code) {
    if (code < 1 || code > 20) {
        return std::string(display_names[0]);
    }
    return std::string(display_names[static_cast<std::size_t>(code)]);
}
