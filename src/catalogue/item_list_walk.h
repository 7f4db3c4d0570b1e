#pragma once

// Walking a list whose records lie in memory in another order than the list (any sorted
// list) would wait for every record in turn; asking for records, and then their names, some
// nodes ahead of the visit hides that wait. Only for the files of ItemList.

#include <cstddef>
#include <cstdint>

#include "item_list.h"

namespace item_list_walk {

constexpr std::int32_t record_lookahead = 16;
constexpr std::int32_t name_lookahead = 8;

// What an ordering or a filter reads of a record lies in its Item part and in the first
// fields its class adds (an armour class, damages, an attack).
constexpr std::size_t record_reach = sizeof(Item) + 32;

// Every cache line that the first record_reach bytes of the record touch: a record need not
// begin on a line, so that is one line more than record_reach / 64. The addresses are only
// fetched, never read, and may lie past a small record's end, so they are reckoned as
// numbers rather than as pointers into the record.
inline void prefetch_record(const Item* item) {
    constexpr std::uintptr_t line = 64;
    const auto begin = reinterpret_cast<std::uintptr_t>(item);
    for (std::uintptr_t at = begin & ~(line - 1); at < begin + record_reach; at += line) {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): an address to fetch, see above
        __builtin_prefetch(reinterpret_cast<const void*>(at));
    }
}

// For a walk through an array of records at position at: the record some places ahead,
// and the name of one nearer, which has had time to arrive.
inline void prefetch_ahead(Item* const* at, Item* const* end) {
    if (end - at > record_lookahead) {
        prefetch_record(at[record_lookahead]);
    }
    if (end - at > name_lookahead) {
        __builtin_prefetch(at[name_lookahead]->name_view().data());
    }
}

} // namespace item_list_walk

template <typename Visit> void ItemList::visit_items(bool names_too, Visit visit) const {
    using namespace item_list_walk;
    Node* node = first();
    Node* record_ahead = node;
    Node* name_ahead = node;
    std::int32_t record_index = 0;
    std::int32_t name_index = 0;
    for (std::int32_t i = 0; i < count_; ++i) {
        for (; record_index < count_ && record_index < i + record_lookahead; ++record_index) {
            prefetch_record(record_ahead->item);
            record_ahead = record_ahead->next;
        }
        for (; names_too && name_index < count_ && name_index < i + name_lookahead; ++name_index) {
            __builtin_prefetch(name_ahead->item->name_view().data());
            name_ahead = name_ahead->next;
        }
        // The visit may free the node (clear does), so step on first.
        Node* const visited = node;
        node = node->next;
        visit(visited);
    }
}
