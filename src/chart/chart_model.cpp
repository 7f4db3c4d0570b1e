#include "chart/chart_model.h"

#include <algorithm>
#include <cmath>

namespace torvane {

void ChartModel::set_points(std::vector<ChartPoint> points, RequirementAxis requirement) {
    points_ = std::move(points);
    requirement_ = requirement;
    counts_ = {};
    x_least_ = x_most_ = y_least_ = y_most_ = 0;
    x_values_ = y_values_ = AxisValues::whole;
    bool first = true;
    for (ChartPoint& point : points_) {
        point.x = chart_coordinate(point.x);
        point.y = chart_coordinate(point.y);
        point.category = category_info(point.category).code;
        ++counts_[static_cast<std::size_t>(point.category)];
        x_least_ = first ? point.x : std::min(x_least_, point.x);
        x_most_ = first ? point.x : std::max(x_most_, point.x);
        y_least_ = first ? point.y : std::min(y_least_, point.y);
        y_most_ = first ? point.y : std::max(y_most_, point.y);
        first = false;
        if (point.x != std::floor(point.x)) {
            x_values_ = AxisValues::fractional;
        }
        if (point.y != std::floor(point.y)) {
            y_values_ = AxisValues::fractional;
        }
    }
    find_frontier();
    order_.clear();
    place_in_order_.clear();
}

void ChartModel::set_requirement_axis(RequirementAxis requirement) {
    if (requirement != requirement_) {
        requirement_ = requirement;
        find_frontier();
    }
}

void ChartModel::find_frontier() {
    frontier_ = frontier_positions(points_, requirement_);
    on_frontier_.assign(points_.size(), false);
    for (const std::uint32_t position : frontier_) {
        on_frontier_[position] = true;
    }
}

std::optional<std::uint32_t> ChartModel::position_of(std::uint32_t index) const {
    const auto found =
        std::find_if(points_.begin(), points_.end(),
                     [index](const ChartPoint& point) { return point.index == index; });
    if (found == points_.end()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(found - points_.begin());
}

void ChartModel::make_stepping_order() const {
    if (order_.size() == points_.size()) {
        return;
    }
    order_ = stepping_order(points_);
    place_in_order_.resize(order_.size());
    for (std::size_t place = 0; place < order_.size(); ++place) {
        place_in_order_[order_[place]] = static_cast<std::uint32_t>(place);
    }
}

std::optional<std::uint32_t> ChartModel::step(std::optional<std::uint32_t> from,
                                              std::ptrdiff_t steps) const {
    if (points_.empty()) {
        return std::nullopt;
    }
    make_stepping_order();
    const auto last = static_cast<std::ptrdiff_t>(order_.size()) - 1;
    std::ptrdiff_t place = 0;
    if (from && *from < points_.size()) {
        // Clamped first, so that a step of any length cannot overflow.
        const std::ptrdiff_t bounded = std::clamp(steps, -last, last);
        place = std::clamp(static_cast<std::ptrdiff_t>(place_in_order_[*from]) + bounded,
                           std::ptrdiff_t{0}, last);
    } else {
        place = steps >= 0 ? 0 : last;
    }
    return order_[static_cast<std::size_t>(place)];
}

std::uint32_t ChartModel::step_number(std::uint32_t position) const {
    make_stepping_order();
    return place_in_order_[position];
}

} // namespace torvane
