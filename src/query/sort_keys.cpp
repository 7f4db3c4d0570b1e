#include "sort_keys.h"

#include <algorithm>

#include "base/radix_sort.h"
#include "catalogue/catalogue.h"
#include "item_walk.h"

namespace torvane {

LargeVector<SortKey> make_sort_keys(std::span<const Item* const> view, SortMode mode,
                                    const Catalogue& catalogue) {
    LargeVector<SortKey> keys(view.size());
    const item_walk::RankedRecords ranked{catalogue.items().data(), catalogue.name_ranks().data()};
    const Item* const* const end = view.data() + view.size();
    for (std::size_t i = 0; i < view.size(); ++i) {
        item_walk::prefetch_ahead(view.data() + i, end, ranked);
        const Item& item = *view[i];
        keys[i] = {std::uint64_t{int_order_bits(item.category)} << 32 | order_value(item, mode),
                   ranked.rank_of(item), static_cast<std::uint32_t>(i)};
    }
    return keys;
}

void sort_keys(LargeVector<SortKey>& keys) {
    if (std::is_sorted(keys.begin(), keys.end(), key_before)) {
        return;
    }
    // No key before the one after it: the keys are in reverse order (what every filter of a
    // sorted view gives), and turning them round sorts them, ties included, which gives them
    // back the order of the view the filter read.
    if (std::adjacent_find(keys.begin(), keys.end(), key_before) == keys.end()) {
        std::reverse(keys.begin(), keys.end());
        return;
    }
    LargeVector<SortKey> scratch(keys.size());
    // Digits from the least significant: the rank's four bytes, then the head's eight.
    const auto digit = [](const SortKey& key, std::size_t d) {
        return d < 4 ? (key.name_rank >> (8 * d)) & 0xFFU : (key.head >> (8 * (d - 4))) & 0xFFU;
    };
    const auto category_of = [](const SortKey& key) { return key.head >> 32; };
    // Keys not yet in category order are put in it first, keeping their order within each
    // category; keys already in it (any view sorted before, whatever the order) need not be.
    // Then each category's keys are sorted on their own, few enough for the processor's
    // caches, and the category's digits cost no pass.
    if (!std::is_sorted(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
            return category_of(a) < category_of(b);
        })) {
        radix_sort<4>(std::span<SortKey>(keys), std::span<SortKey>(scratch),
                      [&](const SortKey& key, std::size_t d) {
                          return (category_of(key) >> (8 * d)) & 0xFFU;
                      });
    }
    for (std::size_t begin = 0; begin < keys.size();) {
        const auto first = keys.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto end = static_cast<std::size_t>(
            std::partition_point(
                first, keys.end(),
                [&](const SortKey& key) { return category_of(key) == category_of(*first); }) -
            keys.begin());
        radix_sort<8>(std::span<SortKey>(keys).subspan(begin, end - begin),
                      std::span<SortKey>(scratch).subspan(begin, end - begin), digit);
        begin = end;
    }
}

} // namespace torvane
