#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/large_memory.h"
#include "items/category_table.h"
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
//
// The ranking sorts the names, and keeps that order too: a view sorted by name is then made
// by copying it, where sorting the view again took about a fifth of loading a million items.
struct NameRanking {
    // One rank per name, in the order of the names.
    LargeVector<std::uint32_t> ranks;
    // The names' places in rank order, equal names the later place first: the order a stable
    // sort by name gives the lists, which show the latest line first.
    LargeVector<std::uint32_t> order;
    // For records: where each category's records begin in order, by category code, and where
    // the last one's end.
    std::array<std::size_t, category_count + 1> category_starts{};
};
NameRanking rank_names(std::span<const std::string_view> names);
// Records of one category one after another, as a section of the archive gives them.
struct CategoryRun {
    std::size_t begin;
    std::size_t end;
    int category;
};

// The ranks of the names of the records, one per record in their order, category by category:
// a sort compares names of one category only. The order is that of sorts_before by name:
// category by category in the order of their codes, then by rank, equal names the later record
// first. runs cover the records in order, each of one category.
NameRanking rank_names(std::span<const Item> records, std::span<const CategoryRun> runs);

} // namespace torvane
