// The round ticks of a chart axis: steps of 1, 2 or 5, 0 always shown, whole-number axes
// without fractions, and bounds that are empty, reversed, NaN or as large as a float.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "chart/axis_scale.h"

using torvane::AxisScale;
using torvane::AxisValues;
using torvane::nice_scale;

namespace {

struct ScaleCase {
    double least;
    double most;
    int max_ticks;
    AxisValues values;
    AxisScale expected;
};

} // namespace

TEST(ChartAxis, PicksTheSmallestRoundStepThatFits) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ScaleCase> cases = {
        {0, 3000, 8, AxisValues::whole, {0, 3000, 500, 0}},
        {0, 57, 6, AxisValues::fractional, {0, 60, 20, 0}},
        {0, 1.3, 5, AxisValues::fractional, {0, 1.5, 0.5, 1}},
        {0.02, 0.13, 8, AxisValues::fractional, {0, 0.14, 0.02, 2}},
        // A whole-number axis never steps by less than 1, however much room there is.
        {0, 3, 10, AxisValues::whole, {0, 3, 1, 0}},
        // 0 is always on the axis.
        {5, 5, 5, AxisValues::whole, {0, 6, 2, 0}},
        {-7, 12, 6, AxisValues::whole, {-10, 15, 5, 0}},
        {12, 3, 6, AxisValues::whole, {0, 15, 5, 0}},
        {0, 0, 6, AxisValues::fractional, {0, 1, 1, 0}},
        {nan, 4, 6, AxisValues::fractional, {0, 1, 1, 0}},
        // Fewer than two ticks are two.
        {0, 7, 1, AxisValues::whole, {0, 10, 10, 0}},
        {0, 1e-12, 5, AxisValues::fractional, {0, 1e-6, 1e-6, 6}},
        // No round step puts both ends on ticks: the ends are the ticks.
        {-1, 1, 2, AxisValues::fractional, {-1, 1, 2, 0}},
    };
    for (const ScaleCase& c : cases) {
        const AxisScale scale = nice_scale(c.least, c.most, c.max_ticks, c.values);
        const std::string what = std::to_string(c.least) + " to " + std::to_string(c.most);
        EXPECT_DOUBLE_EQ(scale.low, c.expected.low) << what;
        EXPECT_DOUBLE_EQ(scale.high, c.expected.high) << what;
        EXPECT_DOUBLE_EQ(scale.step, c.expected.step) << what;
        EXPECT_EQ(scale.decimals, c.expected.decimals) << what;
    }
}

TEST(ChartAxis, CoversAnyRangeWithinTheTickCount) {
    constexpr double largest = std::numeric_limits<float>::max();
    const std::vector<std::pair<double, double>> ranges = {
        {0, largest}, {-largest, largest}, {0, 59.5}, {-0.001, 0.004}, {1, 1e9}, {0, 2999}};
    for (const auto& [least, most] : ranges) {
        for (int max_ticks = 3; max_ticks <= 12; ++max_ticks) {
            const AxisScale scale = nice_scale(least, most, max_ticks, AxisValues::fractional);
            EXPECT_TRUE(std::isfinite(scale.low) && std::isfinite(scale.high));
            EXPECT_LE(scale.low, std::min(least, 0.0)) << least << " to " << most;
            EXPECT_GE(scale.high, most) << least << " to " << most;
            EXPECT_LE(scale.tick_count(), max_ticks) << least << " to " << most;
            EXPECT_GE(scale.tick_count(), 2) << least << " to " << most;
        }
    }
}
