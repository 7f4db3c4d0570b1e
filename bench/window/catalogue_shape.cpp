#include "catalogue_shape.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "catalogue/item_list.h"

namespace {

using StatOf = std::int32_t (Item::*)() const;

struct Stat {
    const char* stem;
    StatOf value;
};

const std::array<Stat, 7> stats = {{{"level", &Item::level},
                                    {"strength", &Item::strength},
                                    {"resistance", &Item::resistance},
                                    {"agility", &Item::agility},
                                    {"wisdom", &Item::wisdom},
                                    {"intelligence", &Item::intelligence},
                                    {"attack", &Item::attack}}};

} // namespace

CatalogueShape shape_of_catalogue(ItemList& catalogue) {
    // Items per value of each stat; -1 and 0 fail every minimum bound, so they count as 0.
    std::array<std::vector<long>, stats.size()> at_value;
    std::array<bool, 21> present{};
    catalogue.rewind();
    while (const Item* item = catalogue.next()) {
        for (std::size_t s = 0; s < stats.size(); ++s) {
            const auto value = static_cast<std::size_t>(std::max(0, (item->*stats[s].value)()));
            if (value >= at_value[s].size()) {
                at_value[s].resize(value + 1);
            }
            ++at_value[s][value];
        }
        if (item->category() >= 0 && item->category() <= 20) {
            present[static_cast<std::size_t>(item->category())] = true;
        }
    }
    CatalogueShape shape;
    shape.categories = static_cast<int>(std::count(present.begin(), present.end(), true));
    const long half = catalogue.count() / 2;
    long best_distance = catalogue.count() + 1L;
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
