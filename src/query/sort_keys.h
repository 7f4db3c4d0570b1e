#pragma once

#include <cstdint>
#include <span>

#include "base/large_memory.h"
#include "items/item.h"
#include "items/ordering.h"

namespace torvane {

class Catalogue;

// A record's place in a sort, packed so that ordering reads nothing else: the category code,
// the one value its class orders by under the sort mode, and the rank of its name among the
// names of its category. Two keys order exactly as the records' sorts_before does, and keys
// that tie stand for records that tie.
struct SortKey {
    std::uint64_t head;      // category code, then the mode's value, each as unsigned bits
    std::uint32_t name_rank; // the name's rank among the names of its category
    std::uint32_t index;     // the record's place in the view the keys were made from
};

inline bool key_before(const SortKey& a, const SortKey& b) {
    return a.head < b.head || (a.head == b.head && a.name_rank < b.name_rank);
}

// The keys of the view's records under mode, in their order; the records come from the
// catalogue, which holds the ranks of their names. A view holds fewer than 2^32 - 1 records.
LargeVector<SortKey> make_sort_keys(std::span<const Item* const> view, SortMode mode,
                                    const Catalogue& catalogue);

// Puts keys in order: keys in order stay, keys that never rise are turned round whole, any
// others are radix sorted on their category, value and rank, twelve linear passes at most,
// keys that tie keeping their order.
void sort_keys(LargeVector<SortKey>& keys);

} // namespace torvane
