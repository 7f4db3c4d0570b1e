#include "items/item.h"

#include <algorithm>
#include <limits>

#include "record_kinds.h"

namespace torvane {

namespace {

constexpr std::string_view base_template =
    "%n (%t){ - Livello %lvl}{, For %for}{, Res %res}{, Agi %agi}{, Sag %sag}{, Int %int}"
    "{ - %loc}";

// A plain record reads no field: the whole line after the name is ignored.
void read_no_fields(FieldReader& /*reader*/, Item& /*item*/) {
}

} // namespace

constinit const RecordRules plain_rules = {read_no_fields, base_template, {}};

const RecordRules& rules_of(RecordKind kind) {
    switch (kind) {
    case RecordKind::weapon:
        return weapon_rules;
    case RecordKind::armour:
        return armour_rules;
    case RecordKind::bow:
        return bow_rules;
    case RecordKind::jewel:
        return jewel_rules;
    case RecordKind::ability:
        return ability_rules;
    case RecordKind::spell:
        return spell_rules;
    case RecordKind::plain:
        break;
    }
    return plain_rules;
}

std::int32_t requirement(const Item& item) {
    const std::int64_t sum = std::visit(
        [&item](const auto& fields) { return requirement_sum(item, fields); }, item.fields);
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
}

float efficacy(const Item& item) {
    return std::visit([&item](const auto& fields) { return efficacy_of(item, fields); },
                      item.fields);
}

std::int32_t attack(const Item& item) {
    const auto* const protection = std::get_if<ProtectionFields>(&item.fields);
    return protection != nullptr ? protection->attack : 0;
}

std::string_view category_name(int code) {
    return category_info(code).name;
}

std::int64_t base_requirement(const Item& item) {
    return non_negative(item.level) + non_negative(item.strength) + non_negative(item.resistance) +
           non_negative(item.agility) + non_negative(item.wisdom) + non_negative(item.intelligence);
}

std::int64_t requirement_sum(const Item& item, std::monostate /*none*/) {
    return base_requirement(item);
}

float efficacy_of(const Item& /*item*/, std::monostate /*none*/) {
    return 0.0F;
}

void fill_fields(const Item& /*item*/, std::monostate /*none*/, std::string& /*text*/) {
}

} // namespace torvane
