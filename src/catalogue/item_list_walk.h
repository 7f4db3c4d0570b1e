#pragma once

// Walking a list whose records lie in memory in another order than the list (any sorted
// list) would wait for every record in turn; asking for records, and then their names, some
// nodes ahead of the visit hides that wait. Only for the files of ItemList.

#include <cstddef>

#include "item_list.h"

namespace item_list_walk {

constexpr std::int32_t record_lookahead = 16;
constexpr std::int32_t name_lookahead = 8;

// The fields of Item, which every ordering and filter reads, span about three cache lines.
inline void prefetch_record(const Item* item) {
    const auto* bytes = reinterpret_cast<const char*>(item);
    for (std::size_t offset = 0; offset < sizeof(Item); offset += 64) {
        __builtin_prefetch(bytes + offset);
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
