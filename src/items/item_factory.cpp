#include <new>
#include <type_traits>

#include "ability_item.h"
#include "armour_item.h"
#include "bow_item.h"
#include "category_table.h"
#include "item.h"
#include "jewel_item.h"
#include "record_arena.h"
#include "spell_item.h"
#include "weapon_item.h"

namespace {

// Makes the record of the class that category_table gives a known code with Make, which is
// given the class's type and returns the new record.
template <typename Make> Item* make_record(int code, Make make) {
    switch (category_info(code).kind) {
    case RecordKind::weapon:
        return make(std::type_identity<WeaponItem>{});
    case RecordKind::armour:
        return make(std::type_identity<ArmourItem>{});
    case RecordKind::bow:
        return make(std::type_identity<BowItem>{});
    case RecordKind::jewel:
        return make(std::type_identity<JewelItem>{});
    case RecordKind::ability:
        return make(std::type_identity<AbilityItem>{});
    case RecordKind::spell:
        return make(std::type_identity<SpellItem>{});
    case RecordKind::plain:
        break;
    }
    return make(std::type_identity<Item>{});
}

// The code itself when the table has it, else the undefined category.
int known_code(int code) {
    return category_info(code).code;
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
    return std::string(category_info(code).name);
}
