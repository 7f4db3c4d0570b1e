#pragma once

#include <cstdint>

#include "items/item.h"

namespace torvane {

// The orders in which lists are sorted, as the window's radio buttons list them.
enum SortMode : int { sort_by_name = 0, sort_by_efficacy = 1, sort_by_requirement = 2 };

// Whether a stands before b in a list sorted under mode. Every order puts the lower category
// code first and compares anything else within one category: under sort_by_efficacy the
// average damage of weapons, bows and arrows and the armour class of armour and jewels (the
// other records have no such key and fall back to their names), under sort_by_requirement the
// requirement, then always the names, byte by byte as unsigned values. All ascending.
bool sorts_before(const Item& a, const Item& b, SortMode mode);

// The value besides category and name by which the record orders under mode (0 when it
// orders by name alone), as an unsigned integer in the same order.
std::uint32_t order_value(const Item& item, SortMode mode);

// The order of a 32-bit integer as an unsigned one.
constexpr std::uint32_t int_order_bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value) ^ 0x80000000U;
}

} // namespace torvane
