#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "chart/chart_point.h"

namespace torvane {

// Which axis carries what an item asks, its requirement; the other carries what it gives. The
// pages of weapons, armour, jewels, bows and arrows put the requirement across and the efficacy
// up; those of abilities and spells, whose records have no efficacy, put the level across and
// the requirement up.
enum class RequirementAxis { across, up };

// The best buys: in each category, the points that no other point of the same category beats.
// A point beats another when it gives as much or more for as little or less, and one of the
// two strictly. Identical points do not beat each other, so they are on the frontier together
// or not at all; of several points at one requirement only those that give most can be on it,
// and a point is beaten by any point of lower requirement that gives as much.
//
// Returns positions in points, by category code, then requirement (rising, so what they give
// rises too), then index and position. Coordinates go through chart_coordinate first.
// Linear in time and memory but for a sort of identical points by index.
std::vector<std::uint32_t> frontier_positions(std::span<const ChartPoint> points,
                                              RequirementAxis requirement);

} // namespace torvane
