#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "chart/chart_point.h"

// Points shaped like a large catalogue's: all twenty categories, requirements from 0 to about
// 3000 (most of them low), efficacy from 0 to about 60 growing with the requirement, whole
// numbers for damage and quarters for armour class, so that many points share a value, and
// one in twenty with unknown statistics, which the caller maps to 0. The same count and seed
// give the same points.
std::vector<torvane::ChartPoint> sample_chart_points(std::size_t count, std::uint32_t seed);
