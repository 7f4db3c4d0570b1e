#include "catalogue_shape.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "items/item.h"

namespace {

using torvane::Item;
using StatOf = std::int32_t (*)(const Item&);

struct Stat {
    const char* stem;
    StatOf value;
};

const std::array<Stat, 7> stats = {{
    {"level", [](const Item& item) { return item.level; }},
    {"strength", [](const Item& item) { return item.strength; }},
    {"resistance", [](const Item& item) { return item.resistance; }},
    {"agility", [](const Item& item) { return item.agility; }},
    {"wisdom", [](const Item& item) { return item.wisdom; }},
    {"intelligence", [](const Item& item) { return item.intelligence; }},
    {"attack", [](const Item& item) { return torvane::attack(item); }},
}};

} // namespace

CatalogueShape shape_of_catalogue(const torvane::Catalogue& catalogue) {
    // Items per value of each stat; -1 and 0 fail every minimum bound, so they count as 0.
    std::array<std::vector<long>, stats.size()> at_value;
    std::array<bool, 21> present{};
    for (const Item& item : catalogue.items()) {
        for (std::size_t s = 0; s < stats.size(); ++s) {
            const auto value = static_cast<std::size_t>(std::max(0, stats[s].value(item)));
            if (value >= at_value[s].size()) {
                at_value[s].resize(value + 1);
            }
            ++at_value[s][value];
        }
        if (item.category >= 0 && item.category <= 20) {
            present[static_cast<std::size_t>(item.category)] = true;
        }
    }
    CatalogueShape shape;
    shape.categories = static_cast<int>(std::count(present.begin(), present.end(), true));
    const auto count = static_cast<long>(catalogue.size());
    const long half = count / 2;
    long best_distance = count + 1L;
    for (std::size_t s = 0; s < stats.size(); ++s) {
        long kept = 0; // items whose value is at least the bound under test
        for (std::size_t bound = at_value[s].size(); bound-- > 1;) {
            kept += at_value[s][bound];
            if (std::labs(kept - half) < best_distance) {
                best_distance = std::labs(kept - half);
                shape.half_stat = stats[s].stem;
                shape.half_stat_index = static_cast<int>(s);
                shape.half_bound = static_cast<int>(bound);
                shape.half_kept = kept;
            }
        }
    }
    return shape;
}
