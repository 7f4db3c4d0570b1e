#pragma once

// Helpers shared by the tests of views: records with chosen statistics, made without a
// catalogue, and whether a view is in order.

#include <cstdint>
#include <deque>
#include <span>
#include <string_view>
#include <vector>

#include "items/item.h"
#include "items/ordering.h"
#include "items/parse_line.h"
#include "query/catalogue_order.h"
#include "query/item_view.h"

namespace query_test {

using namespace torvane;

// The base statistics a test chooses for a record.
struct Stats {
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
};

// The records of an order, as a view.
inline std::vector<const Item*> records_in(const CatalogueOrder& order) {
    std::vector<const Item*> records;
    for (std::size_t i = 0; i < order.size(); ++i) {
        records.push_back(&order[i]);
    }
    return records;
}

// Records made by the test, which stay where they are while it adds more, and the view of
// them in the order they were added. Names must outlive the records (string literals).
class Records {
public:
    // A record of the undefined category with the statistics chosen.
    void add(std::string_view name, const Stats& stats = {}) {
        Item& item = items_.emplace_back();
        item.line = name.data();
        item.name_size = static_cast<std::uint32_t>(name.size());
        item.level = stats.level;
        item.strength = stats.strength;
        item.resistance = stats.resistance;
        item.agility = stats.agility;
        item.wisdom = stats.wisdom;
        item.intelligence = stats.intelligence;
    }
    // A record read from a data line of the category; the line must be accepted.
    void add_parsed(int code, std::string_view line) {
        Item& item = items_.emplace_back();
        if (parse_line(item, code, line) != ParseResult::accepted) {
            items_.pop_back();
        }
    }

    ItemView view() const {
        ItemView view;
        for (const Item& item : items_) {
            view.push_back(&item);
        }
        return view;
    }

private:
    std::deque<Item> items_;
};

// Whether no record of the view sorts before the one ahead of it.
inline bool is_ordered(std::span<const Item* const> view, SortMode mode) {
    for (std::size_t i = 1; i < view.size(); ++i) {
        if (sorts_before(*view[i], *view[i - 1], mode)) {
            return false;
        }
    }
    return true;
}

} // namespace query_test
