#pragma once

// A walk through a view reaches records anywhere in memory (a sorted view is in another order
// than the file): asking for a record, and then its name, some places ahead of the visit hides
// the wait for each. Only for the files of views.

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

} // namespace torvane::item_walk
