#include "query/catalogue_view.h"

#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "record_filters.h"

namespace torvane {

namespace {

bool narrows(const ViewQuery& query) {
    return query.kind == ViewQuery::Kind::search || query.use_min || query.use_max;
}

// Whether the query keeps the record.
class QueryFilter {
public:
    explicit QueryFilter(const ViewQuery& query)
        : query_(query), at_least_(query.min, BoundMode::at_least),
          at_most_(query.max, BoundMode::at_most) {}

    bool pass(const Item& item) const {
        if (query_.kind == ViewQuery::Kind::search) {
            return name_contains(item.name(), query_.search_text);
        }
        return (!query_.use_min || at_least_.pass(item)) &&
               (!query_.use_max || at_most_.pass(item));
    }

private:
    const ViewQuery& query_;
    BoundsFilter at_least_;
    BoundsFilter at_most_;
};

} // namespace

void CatalogueView::set_catalogue(std::shared_ptr<const Catalogue> catalogue) {
    sorted_ = {};
    catalogue_ = std::move(catalogue);
}

CatalogueOrder CatalogueView::sorted(SortMode mode) {
    if (catalogue_ == nullptr) {
        return {};
    }
    if (mode == sort_by_name) {
        return {catalogue_, catalogue_->name_order(), catalogue_};
    }
    std::shared_ptr<const LargeVector<std::uint32_t>>& places =
        sorted_.at(static_cast<std::size_t>(mode));
    if (places == nullptr) {
        places =
            std::make_shared<const LargeVector<std::uint32_t>>(sorted_places(*catalogue_, mode));
    }
    return {catalogue_, *places, places};
}

CatalogueOrder CatalogueView::show(const ViewQuery& query) {
    const CatalogueOrder whole = sorted(query.sort_mode);
    if (!narrows(query) || whole.empty()) {
        return whole;
    }
    // The records are tested in the order they lie in memory, one after another, rather than
    // in the sorted order, which reaches them anywhere; the sorted order then picks those kept.
    // What comes out is what filtering or searching the sorted view and turning the result
    // round (a filter gives its items last first) would give.
    const std::span<const Item> records = catalogue_->items();
    std::vector<bool> kept(records.size());
    std::size_t kept_count = 0;
    const QueryFilter filter(query);
    for (std::size_t i = 0; i < records.size(); ++i) {
        kept[i] = filter.pass(records[i]);
        kept_count += kept[i] ? 1U : 0U;
    }
    // Room for what is kept only: a large vector's memory is all made ready at once.
    auto places = std::make_shared<LargeVector<std::uint32_t>>();
    places->reserve(kept_count);
    for (const std::uint32_t place : whole.places()) {
        if (kept[place]) {
            places->push_back(place);
        }
    }
    const std::span<const std::uint32_t> picked = *places;
    return {catalogue_, picked, std::move(places)};
}

} // namespace torvane
