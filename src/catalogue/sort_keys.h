#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "items/item.h"
#include "items/large_memory.h"

// A record's place in a sort, packed so that ordering reads nothing else: the category code,
// the one value its class orders by under the sort mode, and the rank of its name (see
// name_ranking.h). Two keys order exactly as the records' sorts_before does, and keys that
// tie stand for records that tie.
struct SortKey {
    std::uint64_t head;      // category code, then the mode's value, each as unsigned bits
    std::uint32_t name_rank; // the name's rank among the names of the sorted records
    std::uint32_t index;     // the record's place in the array the keys were made from
};

inline bool key_before(const SortKey& a, const SortKey& b) {
    return a.head < b.head || (a.head == b.head && a.name_rank < b.name_rank);
}

// The keys of items under mode, in their order; false, with no keys, when some record orders
// in a way no key can stand for (a record class without a sort key), and the records must be
// compared by their sorts_before. When the records' names were all ranked together before (by an
// earlier sort of these records, or of more of them), their ranks are used as they are;
// otherwise the names are ranked here and the ranks kept in the records for the next sort.
bool make_sort_keys(std::span<Item* const> items, SortMode mode, LargeVector<SortKey>& keys);

// Puts keys in order: a list in order stays, one in reverse order is turned round, any other
// is radix sorted on its category, value and rank, twelve linear passes at most.
void sort_keys(LargeVector<SortKey>& keys);
