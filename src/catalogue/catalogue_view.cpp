#include "catalogue_view.h"

namespace torvane {

namespace {

bool narrows(const ViewQuery& query) {
    return query.kind == ViewQuery::Kind::search || query.use_min || query.use_max;
}

ItemView narrow(const ItemView& whole, const ViewQuery& query) {
    if (query.kind == ViewQuery::Kind::search) {
        return search_name(whole, query.search_text);
    }
    ItemView view;
    if (query.use_min) {
        view = filter_min(whole, query.min);
    }
    if (query.use_max) {
        // The maximum bounds narrow what the minimum bounds left.
        view = filter_stats(query.use_min ? view : whole, query.max, BoundMode::at_most);
    }
    return view;
}

} // namespace

CatalogueView::CatalogueView(ItemView& whole_catalogue, const ViewQuery& query) {
    if (narrows(query)) {
        narrowed_ = narrow(whole_catalogue, query);
        sort(narrowed_, query.sort_mode);
        items_ = narrowed_;
    } else {
        sort(whole_catalogue, query.sort_mode);
        items_ = whole_catalogue;
    }
}

} // namespace torvane
