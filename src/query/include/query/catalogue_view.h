#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "items/ordering.h"
#include "query/item_view.h"
#include "query/stat_bounds.h"

namespace torvane {

class Catalogue;

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

// The items each query selects from one catalogue, sorted by its order. The whole catalogue
// sorted in an order is made the first time that order is asked for (sorted_catalogue), and
// kept: a later query in that order shows it at once, and a filter or a search reads it
// and needs only picking what it keeps. Records that tie (one category, key and name) stand
// as the sort of the loader's order leaves them, whatever was shown before.
class CatalogueView {
public:
    // Views of this catalogue from now on; those of the one before are dropped. The views
    // stay good while the catalogue is held here.
    void set_catalogue(std::shared_ptr<const Catalogue> catalogue);

    // The items of the query, good until the next query or the next catalogue.
    std::span<const Item* const> show(const ViewQuery& query);

private:
    const ItemView& sorted(SortMode mode);

    std::shared_ptr<const Catalogue> catalogue_;
    std::array<ItemView, 3> sorted_;
    ItemView narrowed_;
};

} // namespace torvane
