#include "sort_keys.h"

#include <algorithm>
#include <string_view>

#include "item_list_walk.h"
#include "name_ranking.h"
#include "radix_sort.h"

namespace {

// The records lie anywhere in memory (the list is in another order than their load), so each
// is fetched some places ahead of its turn.
void prefetch_record_ahead(Item* const* at, Item* const* end) {
    constexpr std::ptrdiff_t ahead = 12;
    if (end - at > ahead) {
        item_list_walk::prefetch_record(at[ahead]);
    }
}

// Ranks the names of the items and keeps the ranks in the records, so that a later sort of
// these records, or of some of them, reads them again.
void rank_here(std::span<Item* const> items, LargeVector<SortKey>& keys) {
    const LargeVector<std::uint32_t> ranks = rank_names(items);
    const std::uint32_t ranking = new_ranking_id();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        items[i]->set_name_rank(ranking, ranks[i]);
        keys[i].name_rank = ranks[i];
    }
}

} // namespace

bool make_sort_keys(std::span<Item* const> items, SortMode mode, LargeVector<SortKey>& keys) {
    keys.clear();
    if (items.empty()) {
        return true;
    }
    keys.resize(items.size());
    // The ranks of the names stand only when every record was ranked with the others.
    const std::uint32_t ranking = items.front()->name_ranking();
    bool ranked = ranking != 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        prefetch_record_ahead(items.data() + i, items.data() + items.size());
        const Item& item = *items[i];
        std::uint32_t value = 0;
        if (!item.order_value(mode, value)) {
            keys.clear();
            return false;
        }
        keys[i] = {std::uint64_t{int_order_bits(item.category())} << 32 | value, item.name_rank(),
                   static_cast<std::uint32_t>(i)};
        ranked = ranked && item.name_ranking() == ranking;
    }
    if (!ranked) {
        rank_here(items, keys);
    }
    return true;
}

void sort_keys(LargeVector<SortKey>& keys) {
    if (std::is_sorted(keys.begin(), keys.end(), key_before)) {
        return;
    }
    // No key before the one after it: the list is in reverse order (what every filter of a
    // sorted list gives), and turning it round sorts it.
    if (std::adjacent_find(keys.begin(), keys.end(), key_before) == keys.end()) {
        std::reverse(keys.begin(), keys.end());
        return;
    }
    LargeVector<SortKey> scratch(keys.size());
    // Digits from the least significant: the rank's four bytes, then the head's eight.
    radix_sort<12>(std::span<SortKey>(keys), std::span<SortKey>(scratch),
                   [](const SortKey& key, std::size_t d) {
                       return d < 4 ? (key.name_rank >> (8 * d)) & 0xFFU
                                    : (key.head >> (8 * (d - 4))) & 0xFFU;
                   });
}
