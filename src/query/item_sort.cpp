#include <algorithm>

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

} // namespace torvane
