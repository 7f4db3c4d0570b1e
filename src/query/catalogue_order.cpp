#include "query/catalogue_order.h"

#include <utility>

#include "catalogue/catalogue.h"

namespace torvane {

CatalogueOrder::CatalogueOrder(std::shared_ptr<const Catalogue> catalogue,
                               std::span<const std::uint32_t> places,
                               std::shared_ptr<const void> keeper)
    : catalogue_(std::move(catalogue)), keeper_(std::move(keeper)), places_(places) {
    if (catalogue_ != nullptr) {
        records_ = catalogue_->items();
    }
}

} // namespace torvane
