// What the chart keeps of a page besides its drawing: points made safe to draw, counts and
// ranges for the legend and the axes, the best buys for either axis of requirement, and the
// keyboard's steps through the points.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

#include "chart/chart_model.h"

using torvane::AxisValues;
using torvane::ChartModel;
using torvane::RequirementAxis;

TEST(ChartModel, MakesPointsSafeAndKeepsTheirCountsAndRanges) {
    ChartModel model;
    model.set_points({{std::numeric_limits<double>::quiet_NaN(), 2.5, 3, 10},
                      {12, std::numeric_limits<double>::infinity(), 3, 11},
                      {-4, 1, 99, 12},
                      {7, 0.5, -1, 13}},
                     RequirementAxis::across);
    ASSERT_EQ(model.size(), 4U);
    EXPECT_EQ(model.points()[0].x, 0);
    EXPECT_EQ(model.points()[1].y, std::numeric_limits<float>::max());
    // Codes outside the table count as the undefined category.
    EXPECT_EQ(model.points()[2].category, 0);
    EXPECT_EQ(model.count_of(0), 2U);
    EXPECT_EQ(model.count_of(3), 2U);
    EXPECT_EQ(model.count_of(99), 2U);
    EXPECT_EQ(model.x_least(), -4);
    EXPECT_EQ(model.x_most(), 12);
    EXPECT_EQ(model.y_least(), 0.5);
    EXPECT_EQ(model.x_values(), AxisValues::whole);
    EXPECT_EQ(model.y_values(), AxisValues::fractional);
    EXPECT_EQ(model.position_of(12), 2U);
    EXPECT_EQ(model.position_of(14), std::nullopt);

    model.set_points({}, RequirementAxis::across);
    EXPECT_EQ(model.size(), 0U);
    EXPECT_EQ(model.count_of(3), 0U);
    EXPECT_EQ(model.x_most(), 0);
    EXPECT_EQ(model.step(std::nullopt, 1), std::nullopt);
}

TEST(ChartModel, FindsTheBestBuysAgainWhenTheRequirementChangesAxis) {
    ChartModel model;
    // Across, (1, 5) beats the rest; up, (3, 1) asks least for the most.
    model.set_points({{1, 5, 1, 0}, {2, 4, 1, 1}, {3, 1, 1, 2}}, RequirementAxis::across);
    EXPECT_EQ(std::vector<std::uint32_t>(model.frontier().begin(), model.frontier().end()),
              (std::vector<std::uint32_t>{0}));
    EXPECT_TRUE(model.on_frontier(0));
    model.set_requirement_axis(RequirementAxis::up);
    EXPECT_EQ(std::vector<std::uint32_t>(model.frontier().begin(), model.frontier().end()),
              (std::vector<std::uint32_t>{2}));
    EXPECT_FALSE(model.on_frontier(0));
    EXPECT_TRUE(model.on_frontier(2));
}

TEST(ChartModel, StepsThroughThePointsByRequirementAndStopsAtTheEnds) {
    ChartModel model;
    model.set_points({{30, 1, 1, 0}, {10, 1, 1, 1}, {20, 1, 1, 2}}, RequirementAxis::across);
    struct Step {
        std::optional<std::uint32_t> from;
        std::ptrdiff_t steps;
        std::uint32_t to;
    };
    const std::vector<Step> steps = {
        {std::nullopt, 1, 1},  // the first by requirement
        {std::nullopt, -1, 0}, // the last
        {1, 1, 2},
        {2, 1, 0},
        {0, 1, 0}, // no further than the last
        {1, -1, 1},
        {0, -2, 1},
        {2, std::numeric_limits<std::ptrdiff_t>::max(), 0},
        {2, std::numeric_limits<std::ptrdiff_t>::min(), 1},
        {7, 1, 1}, // from no point, as from none
    };
    for (const Step& step : steps) {
        EXPECT_EQ(model.step(step.from, step.steps), step.to)
            << step.from.value_or(99) << " by " << step.steps;
    }
    EXPECT_EQ(model.step_number(0), 2U);
    EXPECT_EQ(model.step_number(1), 0U);
}
