#include "chart/chart_frontier.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "base/radix_sort.h"

namespace torvane {

namespace {

// A point as the search reads it: what it asks as an unsigned number in the order of the
// value, what it gives, its category in the order of the code, and its position.
struct Entry {
    std::uint64_t asks;
    double gives;
    std::uint32_t category;
    std::uint32_t position;
};

// The bits of a finite value, turned so that unsigned order is the order of the values; -0
// and 0 are one value.
std::uint64_t order_bits(double value) {
    constexpr std::uint64_t sign = std::uint64_t{1} << 63;
    const auto bits = std::bit_cast<std::uint64_t>(value == 0 ? 0.0 : value);
    return (bits & sign) != 0 ? ~bits : bits | sign;
}

// The entries by category, then what they ask, and in the order of their positions where both
// tie: a radix sort, whose passes over bytes that every point shares (the low bytes of whole
// requirements, the high bytes of the codes) cost nothing.
std::vector<Entry> sorted_entries(std::span<const ChartPoint> points, RequirementAxis requirement) {
    std::vector<Entry> entries;
    entries.reserve(points.size());
    const bool across = requirement == RequirementAxis::across;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ChartPoint& point = points[i];
        const double x = chart_coordinate(point.x);
        const double y = chart_coordinate(point.y);
        entries.push_back({order_bits(across ? x : y), across ? y : x,
                           static_cast<std::uint32_t>(point.category) ^ 0x80000000U,
                           static_cast<std::uint32_t>(i)});
    }
    std::vector<Entry> scratch(entries.size());
    radix_sort<12>(std::span<Entry>(entries), std::span<Entry>(scratch),
                   [](const Entry& entry, std::size_t digit) -> std::size_t {
                       return digit < 8 ? (entry.asks >> (8 * digit)) & 0xFFU
                                        : (entry.category >> (8 * (digit - 8))) & 0xFFU;
                   });
    return entries;
}

} // namespace

std::vector<std::uint32_t> frontier_positions(std::span<const ChartPoint> points,
                                              RequirementAxis requirement) {
    const std::vector<Entry> entries = sorted_entries(points, requirement);
    std::vector<std::uint32_t> frontier;
    const auto by_index = [points](std::uint32_t a, std::uint32_t b) {
        return points[a].index != points[b].index ? points[a].index < points[b].index : a < b;
    };
    std::size_t i = 0;
    while (i < entries.size()) {
        const std::uint32_t category = entries[i].category;
        // The most that the points of this category asking strictly less give.
        double best_cheaper = -std::numeric_limits<double>::infinity();
        while (i < entries.size() && entries[i].category == category) {
            std::size_t end = i;
            double most = entries[i].gives;
            for (; end < entries.size() && entries[end].category == category &&
                   entries[end].asks == entries[i].asks;
                 ++end) {
                most = std::max(most, entries[end].gives);
            }
            // The points asking this much that give most are beaten only by a cheaper point
            // that gives as much; the others asking this much are beaten by those.
            if (most > best_cheaper) {
                const std::size_t first = frontier.size();
                for (std::size_t k = i; k < end; ++k) {
                    if (entries[k].gives == most) {
                        frontier.push_back(entries[k].position);
                    }
                }
                std::sort(frontier.begin() + static_cast<std::ptrdiff_t>(first), frontier.end(),
                          by_index);
            }
            best_cheaper = std::max(best_cheaper, most);
            i = end;
        }
    }
    return frontier;
}

} // namespace torvane
