#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "base/radix_sort.h"
#include "catalogue/catalogue.h"
#include "items/category_table.h"
#include "query/item_view.h"
#include "sort_keys.h"

namespace torvane {

// The view is sorted through keys: a comparison then reads two keys side by side, where
// sorts_before reaches two records and their names anywhere in memory.
void sort(std::span<const Item*> view, SortMode mode, const Catalogue& catalogue) {
    if (view.size() <= 1) {
        return;
    }
    LargeVector<SortKey> keys = make_sort_keys(view, mode, catalogue);
    sort_keys(keys);
    // Gathered first, then copied: the reads of a gather do not wait on one another, where
    // moving the records in place, cycle by cycle, would.
    LargeVector<const Item*> sorted(view.size());
    std::transform(keys.begin(), keys.end(), sorted.begin(),
                   [&view](const SortKey& key) { return view[key.index]; });
    std::copy(sorted.begin(), sorted.end(), view.begin());
}

namespace {

// A record's value under a sort mode and its place in its category's name order.
struct ValueKey {
    std::uint32_t value;
    std::uint32_t place;
};

} // namespace

// The catalogue keeps its records in name order, made when it ranked their names, with the
// ties as a stable sort of the listing order leaves them. By name, that is the answer. In
// another order, a stable sort of each category on the mode's value alone finishes it, since
// records of equal value are then in name order already: a few passes over keys of one
// category, few enough to stay in the processor's caches, where sorting the listing order
// took twelve passes over the whole catalogue's keys, which held the names' ranks too.
LargeVector<std::uint32_t> sorted_places(const Catalogue& catalogue, SortMode mode) {
    const std::span<const std::uint32_t> by_name = catalogue.name_order();
    if (mode == sort_by_name) {
        return {by_name.begin(), by_name.end()};
    }
    const std::span<const Item> records = catalogue.items();
    LargeVector<std::uint32_t> places;
    places.reserve(records.size());
    // The values are read walking the records as they lie, and only then in name order, from
    // an array a twentieth of their size: reading records in name order reaches each anywhere.
    LargeVector<std::uint32_t> values;
    values.reserve(records.size());
    std::transform(records.begin(), records.end(), std::back_inserter(values),
                   [mode](const Item& item) { return order_value(item, mode); });
    std::vector<ValueKey> keys;
    std::vector<ValueKey> scratch;
    for (int category = 0; category < category_count; ++category) {
        const std::span<const std::uint32_t> order = catalogue.name_order(category);
        keys.resize(order.size());
        scratch.resize(order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            keys[i] = {values[order[i]], static_cast<std::uint32_t>(i)};
        }
        radix_sort<4>(
            std::span<ValueKey>(keys), std::span<ValueKey>(scratch),
            [](const ValueKey& key, std::size_t d) { return (key.value >> (8 * d)) & 0xFFU; });
        for (const ValueKey& key : keys) {
            places.push_back(order[key.place]);
        }
    }
    return places;
}

ItemView sorted_catalogue(const Catalogue& catalogue, SortMode mode) {
    const std::span<const Item> records = catalogue.items();
    const LargeVector<std::uint32_t> places = sorted_places(catalogue, mode);
    ItemView view;
    view.reserve(places.size());
    std::transform(places.begin(), places.end(), std::back_inserter(view),
                   [records](std::uint32_t place) { return &records[place]; });
    return view;
}

} // namespace torvane
