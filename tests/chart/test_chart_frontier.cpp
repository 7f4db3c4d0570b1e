// The best buys of each category, the keyboard's order of the points, and the coordinates
// both read: ties, equal requirements, single points, unknown statistics, either axis carrying
// the requirement, and a brute-force comparison on small sets full of ties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "chart/chart_frontier.h"

using torvane::ChartPoint;
using torvane::frontier_positions;
using torvane::RequirementAxis;
using Positions = std::vector<std::uint32_t>;

namespace {

constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// Points of category 1 whose index is their position.
std::vector<ChartPoint> points_at(std::initializer_list<std::pair<double, double>> places) {
    std::vector<ChartPoint> points;
    for (const auto& [x, y] : places) {
        points.push_back({x, y, 1, static_cast<std::uint32_t>(points.size())});
    }
    return points;
}

struct FrontierCase {
    const char* what;
    std::vector<ChartPoint> points;
    Positions frontier;
};

// The same items on a page that puts the requirement up.
std::vector<ChartPoint> turned(std::vector<ChartPoint> points) {
    for (ChartPoint& point : points) {
        std::swap(point.x, point.y);
    }
    return points;
}

// The definition itself, pair by pair: a point is on the frontier when no other point of its
// category beats it.
bool beats(const ChartPoint& a, const ChartPoint& b) {
    return a.category == b.category && a.y >= b.y && a.x <= b.x && (a.y > b.y || a.x < b.x);
}

} // namespace

TEST(ChartFrontier, KeepsThePointsNoOtherOfTheirCategoryBeats) {
    const std::vector<FrontierCase> cases = {
        {"no points", {}, {}},
        {"a single item", points_at({{40, 3}}), {0}},
        {"identical points are both on it", points_at({{1, 5}, {1, 5}}), {0, 1}},
        {"identical points are both beaten", points_at({{1, 5}, {0, 6}, {1, 5}}), {1}},
        {"at equal requirement only the most effective",
         points_at({{3, 4}, {3, 7}, {3, 7}}),
         {1, 2}},
        {"at equal efficacy only the cheapest", points_at({{2, 5}, {1, 5}, {9, 5}}), {1}},
        {"a staircase, in order of requirement",
         points_at({{5, 3}, {0, 1}, {4, 1}, {2, 2}, {6, 3}}),
         {1, 3, 0}},
        {"unknown statistics read as 0", points_at({{10, 0}, {0, 0}, {0, 2}}), {2}},
        {"a NaN reads as 0 too", points_at({{not_a_number, 3}, {0, 2}, {1, not_a_number}}), {0}},
        {"infinities are the largest values",
         points_at({{infinity, infinity}, {1, 2}, {-infinity, 0}}),
         {2, 1, 0}},
        {"categories apart, in order of category",
         {{5, 1, 2, 0}, {0, 10, 1, 1}, {1, 1, 2, 2}, {9, 9, 2, 3}},
         {1, 2, 3}},
        {"identical points in order of index",
         {{1, 1, 1, 7}, {1, 1, 1, 3}, {1, 1, 1, 5}},
         {1, 2, 0}},
    };
    for (const FrontierCase& c : cases) {
        EXPECT_EQ(frontier_positions(c.points, RequirementAxis::across), c.frontier) << c.what;
        EXPECT_EQ(frontier_positions(turned(c.points), RequirementAxis::up), c.frontier)
            << c.what << ", requirement up";
    }
}

TEST(ChartFrontier, AgreesWithEveryPairCompared) {
    std::mt19937 random(21);
    const auto pick = [&random](int high) {
        return std::uniform_int_distribution<int>(0, high)(random);
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<ChartPoint> points(static_cast<std::size_t>(pick(30)));
        for (ChartPoint& point : points) {
            // Few values, so that ties of every kind are common.
            point = {pick(4) * 0.5, static_cast<double>(pick(4)), pick(2),
                     static_cast<std::uint32_t>(pick(5))};
        }
        Positions expected;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (std::none_of(points.begin(), points.end(),
                             [&](const ChartPoint& other) { return beats(other, points[i]); })) {
                expected.push_back(static_cast<std::uint32_t>(i));
            }
        }
        EXPECT_EQ(frontier_positions(turned(points), RequirementAxis::up),
                  frontier_positions(points, RequirementAxis::across))
            << "round " << round;
        Positions found = frontier_positions(points, RequirementAxis::across);
        // In order of category, then x, then index and position.
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                                   [&](auto a, auto b) {
                                       const ChartPoint& p = points[a];
                                       const ChartPoint& q = points[b];
                                       return std::tie(p.category, p.x, p.index, a) <
                                              std::tie(q.category, q.x, q.index, b);
                                   }))
            << "round " << round;
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << "round " << round;
    }
}

TEST(ChartSteppingOrder, GoesByRequirementThenEfficacyThenIndex) {
    const std::vector<ChartPoint> points = {
        {3, 1, 1, 4}, {1, 9, 2, 8}, {3, 0, 1, 6}, {1, 9, 1, 2}, {not_a_number, 5, 1, 0},
        {1, 9, 1, 2}};
    // NaN reads as 0, so that point comes first; the two identical ones by position.
    EXPECT_EQ(torvane::stepping_order(points), (Positions{4, 3, 5, 1, 2, 0}));
    EXPECT_TRUE(torvane::stepping_order({}).empty());
}

TEST(ChartCoordinate, MakesEveryValueFinite) {
    constexpr double largest = std::numeric_limits<float>::max();
    EXPECT_EQ(torvane::chart_coordinate(not_a_number), 0);
    EXPECT_EQ(torvane::chart_coordinate(infinity), largest);
    EXPECT_EQ(torvane::chart_coordinate(-infinity), -largest);
    EXPECT_EQ(torvane::chart_coordinate(-2.5), -2.5);
    EXPECT_EQ(torvane::chart_coordinate(3000), 3000);
}
