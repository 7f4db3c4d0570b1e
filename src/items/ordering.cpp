#include "items/ordering.h"

#include <bit>

#include "record_kinds.h"

namespace torvane {

namespace {

// The bits of a float in its order: -0 and 0 share a key; above that the bits order as the
// value once the negative ones are turned round. The field reader never stores a NaN.
std::uint32_t float_order_bits(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value == 0.0F ? 0.0F : value);
    return (bits & 0x80000000U) != 0 ? ~bits : bits | 0x80000000U;
}

std::uint32_t efficacy_order(const Item& item) {
    if (const auto* damage = std::get_if<DamageFields>(&item.fields)) {
        // The average, not the efficacy (their sum): 3-4 and 2-4 tie at 3.
        return int_order_bits(average_damage(*damage));
    }
    if (const auto* protection = std::get_if<ProtectionFields>(&item.fields)) {
        // The armour class itself: a negative class sorts below 0 although its efficacy is 0.
        return float_order_bits(protection->armour_class);
    }
    return 0;
}

} // namespace

std::uint32_t order_value(const Item& item, SortMode mode) {
    switch (mode) {
    case sort_by_efficacy:
        return efficacy_order(item);
    case sort_by_requirement:
        return int_order_bits(requirement(item));
    case sort_by_name:
        break;
    }
    return 0;
}

bool sorts_before(const Item& a, const Item& b, SortMode mode) {
    if (a.category != b.category) {
        return a.category < b.category;
    }
    const std::uint32_t mine = order_value(a, mode);
    const std::uint32_t theirs = order_value(b, mode);
    if (mine != theirs) {
        return mine < theirs;
    }
    return a.name() < b.name();
}

} // namespace torvane
