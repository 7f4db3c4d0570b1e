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
    // The views go first: they point into the catalogue held until now.
    sorted_ = {};
    narrowed_ = {};
    catalogue_ = std::move(catalogue);
}

const ItemView& CatalogueView::sorted(SortMode mode) {
    ItemView& view = sorted_.at(static_cast<std::size_t>(mode));
    if (view.empty() && catalogue_ != nullptr && !catalogue_->empty()) {
        view = sorted_catalogue(*catalogue_, mode);
    }
    return view;
}

std::span<const Item* const> CatalogueView::show(const ViewQuery& query) {
    const ItemView& whole = sorted(query.sort_mode);
    if (!narrows(query)) {
        narrowed_.clear();
        return whole;
    }
    // The records are tested in the order they lie in memory, one after another, rather than
    // in the sorted order, which reaches them anywhere; the sorted view then picks those kept.
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
    narrowed_.clear();
    narrowed_.reserve(kept_count);
    for (const Item* item : whole) {
        if (kept[static_cast<std::size_t>(item - records.data())]) {
            narrowed_.push_back(item);
        }
    }
    return narrowed_;
}

} // namespace torvane
