#include "compare/record_changes.h"

#include <functional>

#include "catalogue/catalogue.h"

namespace torvane {

RecordChanges::RecordChanges(std::shared_ptr<const Catalogue> after,
                             const CatalogueComparison& comparison)
    : catalogue_(std::move(after)), first_(catalogue_->items().data()),
      changes_(changes_by_record(comparison, *catalogue_)) {
}

ItemChange RecordChanges::of(const Item* item) const {
    // Compared as addresses of one array only where they are: a total order says whether the
    // record lies in it.
    const std::less<> before;
    if (item == nullptr || before(item, first_) || !before(item, first_ + changes_.size())) {
        return ItemChange::same;
    }
    return changes_[static_cast<std::size_t>(item - first_)];
}

} // namespace torvane
