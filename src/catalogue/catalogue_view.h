#pragma once

#include <span>
#include <string>

#include "item_view.h"
#include "items/ordering.h"
#include "stat_bounds.h"

namespace torvane {

// What the user asked to see: the catalogue narrowed by minimum and/or maximum bounds (or
// not at all), or the items whose name holds a text; sorted in one order.
struct ViewQuery {
    enum class Kind { filter, search };

    Kind kind = Kind::filter;
    bool use_min = false;
    bool use_max = false;
    StatBounds min;
    StatBounds max;
    // Lower case, Windows-1252; only for a search.
    std::string search_text;
    SortMode sort_mode = sort_by_name;
};

// The items a query selects, sorted by its order. The whole catalogue is the caller's view of
// every record in the order of its last sort: a query that narrows nothing sorts that view
// itself and shows it; any other narrows it into a view of its own.
class CatalogueView {
public:
    CatalogueView(ItemView& whole_catalogue, const ViewQuery& query);

    std::span<const Item* const> items() const { return items_; }

private:
    ItemView narrowed_;
    std::span<const Item* const> items_;
};

} // namespace torvane
