#include "catalogue_view.h"

namespace {

std::unique_ptr<ItemList> narrow(const ItemList& catalogue, const ViewQuery& query) {
    if (query.kind == ViewQuery::Kind::search) {
        return catalogue.search_name(query.search_text);
    }
    std::unique_ptr<ItemList> view;
    if (query.use_min) {
        const StatBounds& b = query.min;
        view = catalogue.filter_min(b.level, b.strength, b.resistance, b.agility, b.wisdom,
                                    b.intelligence, b.attack);
    }
    if (query.use_max) {
        const StatBounds& b = query.max;
        // The maximum bounds narrow what the minimum bounds left.
        const ItemList& source = view ? *view : catalogue;
        view = source.filter_stats(b.level, b.strength, b.resistance, b.agility, b.wisdom,
                                   b.intelligence, b.attack, 1);
    }
    return view;
}

} // namespace

CatalogueView::CatalogueView(ItemList& catalogue, const ViewQuery& query)
    : narrowed_(narrow(catalogue, query)), items_(narrowed_ ? narrowed_.get() : &catalogue) {
    items_->sort(query.sort_mode);
}
