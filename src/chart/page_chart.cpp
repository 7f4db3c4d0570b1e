#include "chart/page_chart.h"

#include <algorithm>
#include <cstdint>
#include <variant>

#include "items/item.h"

namespace torvane {

namespace {

// What an item gives as its page's users weigh it: the average damage of a damage range (as
// the sort by efficacy compares weapons, bows and arrows), otherwise the record's efficacy.
double chart_efficacy(const Item& item) {
    const auto gives = static_cast<double>(efficacy(item));
    return std::holds_alternative<DamageFields>(item.fields) ? gives / 2 : gives;
}

} // namespace

RequirementAxis requirement_axis_of_page(int page) {
    const bool without_efficacy =
        std::any_of(category_table.begin(), category_table.end(), [page](const CategoryInfo& info) {
            return info.page == page &&
                   (info.kind == RecordKind::ability || info.kind == RecordKind::spell);
        });
    return without_efficacy ? RequirementAxis::up : RequirementAxis::across;
}

std::vector<ChartPoint> page_chart_points(const PageLines& lines, RequirementAxis requirement) {
    std::vector<ChartPoint> points;
    points.reserve(lines.size());
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const Item* item = lines.item(row);
        if (item == nullptr) {
            continue;
        }
        const auto asks = static_cast<double>(torvane::requirement(*item));
        ChartPoint point;
        if (requirement == RequirementAxis::across) {
            point.x = asks;
            point.y = chart_efficacy(*item);
        } else {
            point.x = static_cast<double>(std::max(item->level, 0));
            point.y = asks;
        }
        point.category = item->category;
        point.index = static_cast<std::uint32_t>(row);
        points.push_back(point);
    }
    return points;
}

} // namespace torvane
