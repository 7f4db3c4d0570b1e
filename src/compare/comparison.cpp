#include "compare/comparison.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "catalogue/catalogue.h"
#include "items/category_table.h"

namespace torvane {

namespace {

// A record's place in its catalogue sorted by category, then name, then line: the category
// and the name's rank packed in one key, then the record's index, which is its line order.
struct Keyed {
    std::uint64_t key;
    std::uint32_t index;
    bool operator<(const Keyed& other) const {
        return key < other.key || (key == other.key && index < other.index);
    }
};

std::vector<Keyed> sorted_records(const Catalogue& catalogue) {
    const std::span<const Item> items = catalogue.items();
    std::vector<Keyed> keyed(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto category = static_cast<std::uint32_t>(items[i].category);
        keyed[i] = {std::uint64_t{category} << 32 | catalogue.name_rank(items[i]),
                    static_cast<std::uint32_t>(i)};
    }
    // Ranks order the names of one catalogue in byte order, as names compare below.
    std::sort(keyed.begin(), keyed.end());
    return keyed;
}

// Negative when a is of an earlier category, or of the same with an earlier name.
int compare_keys(const Item& a, const Item& b) {
    if (a.category != b.category) {
        return a.category < b.category ? -1 : 1;
    }
    return a.name().compare(b.name());
}

// Equal values: floats by their bits, so that a value read the same way is always equal to
// itself, whatever it is.
bool same_value(const FieldValue& a, const FieldValue& b) {
    const auto* fa = std::get_if<float>(&a);
    const auto* fb = std::get_if<float>(&b);
    if (fa != nullptr && fb != nullptr) {
        return std::bit_cast<std::uint32_t>(*fa) == std::bit_cast<std::uint32_t>(*fb);
    }
    return a == b;
}

} // namespace

FieldSet differing_fields(const Item& before, const Item& after) {
    FieldSet differ;
    const FieldSet fields = fields_of(kind_of(after));
    for (std::size_t code = 0; code < record_field_count; ++code) {
        const auto field = static_cast<RecordField>(code);
        if (fields.has(field) &&
            !same_value(field_value(before, field), field_value(after, field))) {
            differ.add(field);
        }
    }
    return differ;
}

CatalogueComparison compare_catalogues(const Catalogue& before, const Catalogue& after) {
    const std::vector<Keyed> old_records = sorted_records(before);
    const std::vector<Keyed> new_records = sorted_records(after);
    const std::span<const Item> old_items = before.items();
    const std::span<const Item> new_items = after.items();
    CatalogueComparison comparison;
    // Both in the same order: one walk pairs them, records of one name in line order.
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < old_records.size() || j < new_records.size()) {
        const Item* old_item = i < old_records.size() ? &old_items[old_records[i].index] : nullptr;
        const Item* new_item = j < new_records.size() ? &new_items[new_records[j].index] : nullptr;
        const int order = old_item == nullptr   ? 1
                          : new_item == nullptr ? -1
                                                : compare_keys(*old_item, *new_item);
        if (order < 0) {
            comparison.differences.push_back({ItemChange::removed, old_item, nullptr, {}});
            ++comparison.removed;
            ++i;
        } else if (order > 0) {
            comparison.differences.push_back({ItemChange::added, nullptr, new_item, {}});
            ++comparison.added;
            ++j;
        } else {
            if (const FieldSet fields = differing_fields(*old_item, *new_item); !fields.empty()) {
                comparison.differences.push_back({ItemChange::changed, old_item, new_item, fields});
                ++comparison.changed;
            }
            ++i;
            ++j;
        }
    }
    // The categories in the order of the pages the lists show them on.
    std::stable_sort(comparison.differences.begin(), comparison.differences.end(),
                     [](const ItemDifference& a, const ItemDifference& b) {
                         const Item& ia = a.after != nullptr ? *a.after : *a.before;
                         const Item& ib = b.after != nullptr ? *b.after : *b.before;
                         return category_info(ia.category).page < category_info(ib.category).page;
                     });
    return comparison;
}

std::vector<ItemChange> changes_by_record(const CatalogueComparison& comparison,
                                          const Catalogue& after) {
    std::vector<ItemChange> changes(after.size(), ItemChange::same);
    const Item* const first = after.items().data();
    for (const ItemDifference& difference : comparison.differences) {
        if (difference.after != nullptr) {
            changes[static_cast<std::size_t>(difference.after - first)] = difference.change;
        }
    }
    return changes;
}

} // namespace torvane
