#include <algorithm>
#include <bit>
#include <cstddef>
#include <vector>

#include "busy_indicator.h"
#include "item_list.h"
#include "item_list_walk.h"
#include "sort_keys.h"

// The sort runs on the list's records laid out in an array, then writes them back into the
// nodes in their new order.
//
// When every record's ordering has a sort key (the record classes of this program), the
// array of keys is sorted instead: a comparison of two records then reads two keys side by
// side, where sorts_before reaches two records and their names anywhere in memory.
//
// A record whose class has no sort key is ordered by its sorts_before, through the quicksort
// below on the array of record pointers (median-of-three pivots, a partition that keeps the
// order of equal records). An array walk lets the processor fetch the records ahead, where a
// walk of scattered list nodes costs a cache miss per step. Either way, records that tie may
// come out in any order.

namespace {

using item_list_walk::prefetch_ahead;

class ListQuicksort {
public:
    explicit ListQuicksort(LargeVector<Item*>& items) : items_(items) {}

    void run() {
        if (already_ordered()) {
            return;
        }
        scratch_.resize(items_.size());
        // Quicksort with a median of three degrades on lists that are almost in order, so its
        // depth is bounded and a part that goes too deep is finished by merge sort.
        const auto n = static_cast<unsigned>(items_.size());
        sort(0, items_.size(), 2 * static_cast<int>(std::bit_width(n)));
    }

private:
    static bool before(const Item* a, const Item* b) { return a->sorts_before(*b); }

    // A list in order stays as it is, and one in reverse order (the result of every filter
    // of a sorted list) is turned round; both cost one pass instead of a deep quicksort.
    bool already_ordered() {
        bool ascending = true;
        bool descending = true;
        for (std::size_t i = 1; i < items_.size() && (ascending || descending); ++i) {
            prefetch_ahead(items_.data() + i, items_.data() + items_.size());
            if (ascending && before(items_[i], items_[i - 1])) {
                ascending = false;
            }
            if (descending && before(items_[i - 1], items_[i])) {
                descending = false;
            }
        }
        if (ascending) {
            return true;
        }
        if (descending) {
            std::reverse(items_.begin(), items_.end());
            return true;
        }
        return false;
    }

    // Sorts items_[begin, end).
    void sort(std::size_t begin, std::size_t end, int depth_left) {
        if (end - begin <= 1) {
            return;
        }
        if (depth_left <= 0) {
            merge_sort(begin, end);
            return;
        }
        const std::size_t pivot_at = partition(begin, end);
        sort(pivot_at + 1, end, depth_left - 1);
        sort(begin, pivot_at, depth_left - 1);
    }

    // The median of the first, second and last items.
    Item* choose_pivot(std::size_t begin, std::size_t end) const {
        Item* const f = items_[begin];
        Item* const s = items_[begin + 1];
        Item* const l = items_[end - 1];
        if (before(l, f)) {
            return !before(s, f) ? f : (before(s, l) ? l : s);
        }
        return !before(s, l) ? l : (!before(s, f) ? s : f);
    }

    // Takes out the pivot (its first place), then splits the rest in one forward walk into
    // the items the pivot sorts before and the others, each part keeping its order; ties
    // go to the lower part. Leaves lower part, pivot, upper part and returns the pivot's place.
    std::size_t partition(std::size_t begin, std::size_t end) {
        Item* const pivot = choose_pivot(begin, end);
        const std::size_t pivot_from = static_cast<std::size_t>(
            std::find(items_.begin() + static_cast<std::ptrdiff_t>(begin),
                      items_.begin() + static_cast<std::ptrdiff_t>(end), pivot) -
            items_.begin());
        std::size_t lower_end = begin;
        std::size_t upper_count = 0;
        for (std::size_t i = begin; i < end; ++i) {
            prefetch_ahead(items_.data() + i, items_.data() + end);
            if (i == pivot_from) {
                continue;
            }
            Item* const item = items_[i];
            if (before(pivot, item)) {
                scratch_[upper_count++] = item;
            } else {
                items_[lower_end++] = item;
            }
        }
        items_[lower_end] = pivot;
        std::copy_n(scratch_.begin(), upper_count,
                    items_.begin() + static_cast<std::ptrdiff_t>(lower_end + 1));
        return lower_end;
    }

    // Stable bottom-up merge sort of items_[begin, end): an item moves ahead of another only
    // when it sorts strictly before it.
    void merge_sort(std::size_t begin, std::size_t end) {
        const std::size_t n = end - begin;
        Item** from = items_.data() + begin;
        Item** to = scratch_.data();
        for (std::size_t width = 1; width < n; width *= 2) {
            for (std::size_t low = 0; low < n; low += 2 * width) {
                const std::size_t middle = std::min(low + width, n);
                const std::size_t high = std::min(low + 2 * width, n);
                merge(from + low, from + middle, from + high, to + low);
            }
            std::swap(from, to);
        }
        if (from != items_.data() + begin) {
            std::copy_n(from, n, items_.data() + begin);
        }
    }

    static void merge(Item** left, Item** middle, Item** right_end, Item** out) {
        Item** right = middle;
        while (left != middle && right != right_end) {
            prefetch_ahead(left, middle);
            prefetch_ahead(right, right_end);
            *out++ = before(*right, *left) ? *right++ : *left++;
        }
        out = std::copy(left, middle, out);
        std::copy(right, right_end, out);
    }

    LargeVector<Item*>& items_;
    LargeVector<Item*> scratch_;
};

} // namespace

void ItemList::sort(SortMode mode) {
    const BusyScope busy;
    if (count_ > 0) {
        set_current_sort_mode(mode);
        quicksort();
    }
}

void ItemList::quicksort() {
    if (count_ <= 1) {
        return;
    }
    LargeVector<Item*> items;
    items.reserve(static_cast<std::size_t>(count_));
    Node* node = first();
    for (std::int32_t i = 0; i < count_; ++i, node = node->next) {
        items.push_back(node->item);
    }
    // The nodes keep their places; their references move along with the items.
    node = first();
    LargeVector<SortKey> keys;
    if (make_sort_keys(items, current_sort_mode(), keys)) {
        sort_keys(keys);
        for (const SortKey& key : keys) {
            node->item = items[key.index];
            node = node->next;
        }
    } else {
        ListQuicksort(items).run();
        for (Item* item : items) {
            node->item = item;
            node = node->next;
        }
    }
    cursor_ = nullptr;
}
