#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "item_list.h"

// The seven statistics a filter bounds, in the order the catalogue takes them. A bound of 0
// or less imposes nothing.
struct StatBounds {
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
    std::int32_t attack = 0;
};

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

// The items a query selects, sorted by its order. A query that narrows nothing shows the
// catalogue itself, sorted in place; any other gets a list of its own that shares the
// catalogue's records and is released with the view.
class CatalogueView {
public:
    CatalogueView(ItemList& catalogue, const ViewQuery& query);

    ItemList& items() { return *items_; }

private:
    std::unique_ptr<ItemList> narrowed_;
    ItemList* items_;
};
