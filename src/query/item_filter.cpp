#include <algorithm>
#include <array>
#include <iterator>

#include "catalogue/catalogue.h"
#include "item_walk.h"
#include "query/item_view.h"
#include "record_filters.h"

namespace torvane {

namespace {

// The items of view that pass, last first.
template <typename Pass>
ItemView select_reversed(std::span<const Item* const> view, bool names_too, Pass pass) {
    // Not reserved for the whole view: a large vector's room is made ready whole, and a search
    // may keep a handful of a million.
    ItemView result;
    const Item* const* const end = view.data() + view.size();
    for (const Item* const* at = view.data(); at != end; ++at) {
        item_walk::prefetch_ahead(at, end, names_too);
        if (pass(**at)) {
            result.push_back(*at);
        }
    }
    std::reverse(result.begin(), result.end());
    return result;
}

} // namespace

ItemView listing_order(const Catalogue& catalogue) {
    ItemView view;
    view.reserve(catalogue.size());
    const std::span<const Item> items = catalogue.items();
    std::transform(items.rbegin(), items.rend(), std::back_inserter(view),
                   [](const Item& item) { return &item; });
    return view;
}

ItemView filter_stats(std::span<const Item* const> view, const StatBounds& bounds, BoundMode mode) {
    const BoundsFilter filter(bounds, mode);
    return select_reversed(view, false, [&filter](const Item& item) { return filter.pass(item); });
}

ItemView filter_min(std::span<const Item* const> view, const StatBounds& bounds) {
    return filter_stats(view, bounds, BoundMode::at_least);
}

ItemView search_name(std::span<const Item* const> view, std::string_view text) {
    return select_reversed(view, !text.empty(),
                           [text](const Item& item) { return name_contains(item.name(), text); });
}

} // namespace torvane
