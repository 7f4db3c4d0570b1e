#include "chart/chart_point.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace torvane {

double chart_coordinate(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (std::isnan(value)) {
        return 0;
    }
    return std::clamp(value, -largest, largest);
}

std::vector<std::uint32_t> stepping_order(std::span<const ChartPoint> points) {
    struct Key {
        double x;
        double y;
        std::uint32_t index;
        std::uint32_t position;
        bool operator<(const Key& other) const {
            if (x != other.x) {
                return x < other.x;
            }
            if (y != other.y) {
                return y < other.y;
            }
            return index != other.index ? index < other.index : position < other.position;
        }
    };
    std::vector<Key> keys;
    keys.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ChartPoint& point = points[i];
        keys.push_back({chart_coordinate(point.x), chart_coordinate(point.y), point.index,
                        static_cast<std::uint32_t>(i)});
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::uint32_t> order(keys.size());
    std::transform(keys.begin(), keys.end(), order.begin(),
                   [](const Key& key) { return key.position; });
    return order;
}

} // namespace torvane
