#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "items/item.h"
#include "query/stat_bounds.h"

namespace torvane {

// What a filter asks of one record: every bound above 0 met, each by the statistic it names.
class BoundsFilter {
public:
    BoundsFilter(const StatBounds& bounds, BoundMode mode);

    bool pass(const Item& item) const;

private:
    using Statistic = std::int32_t (*)(const Item&);
    struct Bound {
        Statistic statistic;
        std::int32_t limit;
    };
    std::array<Bound, 7> tested_{};
    std::size_t count_ = 0;
    bool at_least_;
};

// What the name search asks of one record: whether its lower-cased name (Windows-1252)
// contains text, which must already be lower case; the empty text is in every name.
bool name_contains(std::string_view name, std::string_view text);

} // namespace torvane
