#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace torvane {

// One item as the chart places it. Plain values, so that the window, the checker or an export
// can place items without the record classes: the caller decides which values are x and y for
// its page (requirement and efficacy, or level and requirement) and maps statistics the
// catalogue does not state to 0. `index` is the item's place in the caller's own array; the
// answers below name points by their position in the span they were given.
struct ChartPoint {
    double x = 0;
    double y = 0;
    int category = 0;
    std::uint32_t index = 0;
};

// The coordinate that orderings and scales use for a value: a NaN reads as 0, as an unknown
// statistic does, and an infinity as the largest float, the largest value a record can hold,
// so that every sort stays a strict ordering and every scale has a finite span.
double chart_coordinate(double value);

// Positions in points in the order the keyboard steps through them: by x, then y, then index,
// then position, so that the order is total and the same on every run.
std::vector<std::uint32_t> stepping_order(std::span<const ChartPoint> points);

} // namespace torvane
