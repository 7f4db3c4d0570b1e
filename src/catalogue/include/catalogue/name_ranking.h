#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/large_memory.h"
#include "items/item.h"

namespace torvane {

// Dense ranks of names in byte order (unsigned bytes, a name before every longer name that
// begins with it): equal names share a rank, a smaller name has a smaller rank, from 1 up.
// Comparing two ranks then orders two names without reading them again, which is what lets
// a sort by name read nothing but a compact array.
//
// The names are sorted seven bytes at a time, most significant first, each round reading
// only the names still tied: a name is read about once per seven bytes of the prefix that
// tells it from the others. No name is compared whole, and no input sorts worse than
// n log n comparisons (or eight radix passes) per round.
LargeVector<std::uint32_t> rank_names(std::span<const std::string_view> names);
// Records of one category one after another, as a section of the archive gives them.
struct CategoryRun {
    std::size_t begin;
    std::size_t end;
    int category;
};

// The ranks of the names of the records, one per record in their order, category by category:
// a sort compares names of one category only. runs cover the records in order, each of one
// category.
LargeVector<std::uint32_t> rank_names(std::span<const Item> records,
                                      std::span<const CategoryRun> runs);

} // namespace torvane
