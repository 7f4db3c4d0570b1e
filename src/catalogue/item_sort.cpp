#include <algorithm>

#include "item_view.h"
#include "sort_keys.h"

namespace torvane {

// The view is sorted through keys: a comparison then reads two keys side by side, where
// sorts_before reaches two records and their names anywhere in memory.
void sort(std::span<const Item*> view, SortMode mode) {
    if (view.size() <= 1) {
        return;
    }
    LargeVector<SortKey> keys = make_sort_keys(view, mode);
    sort_keys(keys);
    // The records move to their places in the view itself, cycle by cycle, each place taking
    // the record its key names; a key done is marked. No room beyond the keys is needed.
    constexpr std::uint32_t done = 0xFFFFFFFFU;
    for (std::size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].index == done) {
            continue;
        }
        const Item* const first = view[start];
        std::size_t at = start;
        for (;;) {
            const std::size_t from = keys[at].index;
            keys[at].index = done;
            if (from == start) {
                view[at] = first;
                break;
            }
            view[at] = view[from];
            at = from;
        }
    }
}

} // namespace torvane
