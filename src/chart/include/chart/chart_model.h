#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/axis_scale.h"
#include "chart/chart_frontier.h"
#include "chart/chart_point.h"
#include "items/category_table.h"

namespace torvane {

// What a chart of one page knows besides its drawing: its points, the best buys of each
// category, how many points each category has, the ranges the axes must cover, and the order
// in which the keyboard steps. Positions are places in points().
class ChartModel {
public:
    // Replaces the points. Coordinates go through chart_coordinate and categories outside the
    // table become the undefined one, so that nothing later meets a NaN or an unknown code.
    void set_points(std::vector<ChartPoint> points, RequirementAxis requirement);
    // Says which axis carries the requirement, for the best buys; they are found anew.
    void set_requirement_axis(RequirementAxis requirement);
    RequirementAxis requirement_axis() const { return requirement_; }

    std::span<const ChartPoint> points() const { return points_; }
    std::size_t size() const { return points_.size(); }
    // The best buys, by category and then requirement (see frontier_positions).
    std::span<const std::uint32_t> frontier() const { return frontier_; }
    bool on_frontier(std::uint32_t position) const { return on_frontier_[position]; }
    std::uint32_t count_of(int category) const {
        return counts_[static_cast<std::size_t>(category_info(category).code)];
    }

    // The least and most value on each axis (0 to 0 without points), and whether every value
    // of the axis is a whole number.
    double x_least() const { return x_least_; }
    double x_most() const { return x_most_; }
    double y_least() const { return y_least_; }
    double y_most() const { return y_most_; }
    AxisValues x_values() const { return x_values_; }
    AxisValues y_values() const { return y_values_; }

    // The position of the first point for the item with this index, if any.
    std::optional<std::uint32_t> position_of(std::uint32_t index) const;

    // Steps through the points by stepping_order: the position `steps` places after (or, when
    // negative, before) from, stopping at the first and last point; without a point to start
    // from, the first point for a step forward and the last for a step back. None without
    // points. The order is made on the first step after set_points, so that a page nobody
    // steps through never pays for it.
    std::optional<std::uint32_t> step(std::optional<std::uint32_t> from,
                                      std::ptrdiff_t steps) const;
    // The place of a position in that order, from 0.
    std::uint32_t step_number(std::uint32_t position) const;

private:
    void make_stepping_order() const;

    void find_frontier();

    std::vector<ChartPoint> points_;
    RequirementAxis requirement_ = RequirementAxis::across;
    std::vector<std::uint32_t> frontier_;
    std::vector<bool> on_frontier_;
    std::array<std::uint32_t, category_count> counts_{};
    double x_least_ = 0;
    double x_most_ = 0;
    double y_least_ = 0;
    double y_most_ = 0;
    AxisValues x_values_ = AxisValues::whole;
    AxisValues y_values_ = AxisValues::whole;
    // The stepping order and, for each position, its place in it; empty until first needed.
    mutable std::vector<std::uint32_t> order_;
    mutable std::vector<std::uint32_t> place_in_order_;
};

} // namespace torvane
