#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "items/item.h"

namespace torvane {

class Catalogue;

// Records of one catalogue in some order, as their places among its records: what a query
// shows. It shares the catalogue and the places, so whoever keeps it (the page lines, a chart)
// keeps them good, and copying it copies no places: at four bytes a record, an order of a
// million records is the size of half a view of pointers, and showing one twice costs nothing.
class CatalogueOrder {
public:
    // No records.
    CatalogueOrder() = default;
    // The places, kept by keeper (the catalogue itself for an order it holds), of catalogue's
    // records.
    CatalogueOrder(std::shared_ptr<const Catalogue> catalogue,
                   std::span<const std::uint32_t> places, std::shared_ptr<const void> keeper);

    std::size_t size() const { return places_.size(); }
    bool empty() const { return places_.empty(); }
    const Item& operator[](std::size_t i) const { return records_[places_[i]]; }
    std::span<const std::uint32_t> places() const { return places_; }
    const std::shared_ptr<const Catalogue>& catalogue() const { return catalogue_; }

private:
    std::shared_ptr<const Catalogue> catalogue_;
    std::shared_ptr<const void> keeper_;
    std::span<const Item> records_;
    std::span<const std::uint32_t> places_;
};

} // namespace torvane
