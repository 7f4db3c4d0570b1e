#pragma once

#include <memory>
#include <vector>

#include "compare/comparison.h"

namespace torvane {

class Catalogue;

// What became of each record of a reading since the one before it, for whatever shows its
// records: it holds the reading, so its records stay valid while it does.
class RecordChanges {
public:
    RecordChanges(std::shared_ptr<const Catalogue> after, const CatalogueComparison& comparison);

    // same for a record of another catalogue.
    ItemChange of(const Item* item) const;

private:
    std::shared_ptr<const Catalogue> catalogue_;
    const Item* first_ = nullptr;
    std::vector<ItemChange> changes_;
};

} // namespace torvane
