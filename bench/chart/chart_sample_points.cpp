#include "chart_sample_points.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "items/category_table.h"

std::vector<torvane::ChartPoint> sample_chart_points(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> category(1, torvane::category_count - 1);
    std::normal_distribution<double> spread(1.0, 0.12);
    std::vector<torvane::ChartPoint> points(count);
    for (std::size_t i = 0; i < count; ++i) {
        torvane::ChartPoint& point = points[i];
        point.category = category(random);
        point.index = static_cast<std::uint32_t>(i);
        if (unit(random) < 0.05) {
            continue; // unknown statistics: 0 and 0
        }
        const double level = std::pow(unit(random), 1.6);
        point.x = std::round(3000.0 * level);
        const double efficacy = std::max(0.0, 50.0 * std::pow(level, 0.6) * spread(random));
        const torvane::RecordKind kind = torvane::category_info(point.category).kind;
        point.y = kind == torvane::RecordKind::armour || kind == torvane::RecordKind::jewel
                      ? std::round(efficacy * 4.0) / 4.0
                      : std::round(efficacy);
    }
    return points;
}
