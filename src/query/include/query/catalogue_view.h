#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "items/ordering.h"
#include "query/catalogue_order.h"
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
// sorted in an order is made the first time that order is asked for (sorted_places), and
// kept: a later query in that order shows it at once, and a filter or a search reads it
// and needs only picking what it keeps. Records that tie (one category, key and name) stand
// as the sort of the loader's order leaves them, whatever was shown before.
class CatalogueView {
public:
    // Views of this catalogue from now on.
    void set_catalogue(std::shared_ptr<const Catalogue> catalogue);

    // The items of the query, in its order: good for as long as it is kept.
    CatalogueOrder show(const ViewQuery& query);

private:
    CatalogueOrder sorted(SortMode mode);

    std::shared_ptr<const Catalogue> catalogue_;
    // The orders other than by name, which is the catalogue's own.
    std::array<std::shared_ptr<const LargeVector<std::uint32_t>>, 3> sorted_;
};

} // namespace torvane
