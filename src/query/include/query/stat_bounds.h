#pragma once

#include <cstdint>

namespace torvane {

// The seven statistics a filter bounds, in the order the window passes them. A bound of 0 or
// less imposes nothing.
struct StatBounds {
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
    std::int32_t attack = 0;
};

// Whether the bounds keep items whose statistic is at least the bound, or at most.
enum class BoundMode { at_least, at_most };

} // namespace torvane
