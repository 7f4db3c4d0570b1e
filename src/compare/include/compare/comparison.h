#pragma once

#include <cstddef>
#include <vector>

#include "items/item.h"
#include "items/record_fields.h"

namespace torvane {

class Catalogue;

// What became of an item from one reading of a catalogue to another.
enum class ItemChange : std::uint8_t { same, added, changed, removed };

// One item that is not the same in both readings. An item is the same item in both when its
// category and its name are: items that share a name within a category pair in the order of
// their lines. It changed when a field of its data line differs, as read (so "010" is 10).
struct ItemDifference {
    ItemChange change = ItemChange::same;
    // The item in the reading before; none for an item added.
    const Item* before = nullptr;
    // The item in the reading after; none for an item removed.
    const Item* after = nullptr;
    // For an item that changed: the fields that differ.
    FieldSet fields;
};

// The differences between two readings, category after category in the order of the lists'
// pages, each category's by name and then in the order of the lines.
struct CatalogueComparison {
    std::vector<ItemDifference> differences;
    std::size_t added = 0;
    std::size_t changed = 0;
    std::size_t removed = 0;

    bool same() const { return differences.empty(); }
};

CatalogueComparison compare_catalogues(const Catalogue& before, const Catalogue& after);

// The fields in which two records of one category differ.
FieldSet differing_fields(const Item& before, const Item& after);

// What became of each record of after (by its place in after's records): same, added or
// changed.
std::vector<ItemChange> changes_by_record(const CatalogueComparison& comparison,
                                          const Catalogue& after);

} // namespace torvane
