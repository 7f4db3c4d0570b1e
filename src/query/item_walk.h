#pragma once

// A walk through a view reaches records anywhere in memory (a sorted view is in another order
// than the file): asking for a record, and then its name or its rank, some places ahead of the
// visit hides the wait for each. Only for the files of views.

#include <cstddef>
#include <cstdint>

#include "items/item.h"

namespace torvane::item_walk {

constexpr std::ptrdiff_t record_lookahead = 16;
constexpr std::ptrdiff_t name_lookahead = 8;

// Every cache line of a record: it need not begin on one. The addresses are only fetched,
// never read.
inline void prefetch_record(const Item* item) {
    const auto* const bytes = reinterpret_cast<const char*>(item);
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + sizeof(Item) - 1);
}

// For a walk through an array of records at position at: the record some places ahead, and
// the name of one nearer, which has had time to arrive.
inline void prefetch_ahead(const Item* const* at, const Item* const* end, bool names_too) {
    if (end - at > record_lookahead) {
        prefetch_record(at[record_lookahead]);
    }
    if (names_too && end - at > name_lookahead) {
        __builtin_prefetch(at[name_lookahead]->line);
    }
}

// The records of a catalogue with the ranks of their names, which lie beside them in an array
// of their own, one per record in the same order.
struct RankedRecords {
    const Item* records;
    const std::uint32_t* ranks;

    std::uint32_t rank_of(const Item& item) const { return ranks[&item - records]; }
};

// For a walk that reads each record's rank too: the record some places ahead and its rank,
// whose place the record's address tells without waiting for the record. The records and
// ranks come by value: taken by reference, they let the optimiser drop every prefetch here.
inline void prefetch_ahead(const Item* const* at, const Item* const* end, RankedRecords ranked) {
    if (end - at > record_lookahead) {
        const Item* const later = at[record_lookahead];
        prefetch_record(later);
        __builtin_prefetch(ranked.ranks + (later - ranked.records));
    }
}

} // namespace torvane::item_walk
