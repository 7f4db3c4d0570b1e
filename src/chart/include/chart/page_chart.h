#pragma once

#include <vector>

#include "chart/chart_frontier.h"
#include "chart/chart_point.h"
#include "query/page_lines.h"

namespace torvane {

// Which axis of a page's chart carries the requirement: up on the pages of abilities and
// spells, whose records give nothing to weigh against it but their level; across on the
// others, against the efficacy.
RequirementAxis requirement_axis_of_page(int page);

// One point per item line of a page, whose index is the item's row, so that a point picked
// leads straight back to its line; header lines get none. With the requirement across, the
// requirement across and the efficacy up (for a damage range its average, as the sort by
// efficacy weighs it); with it up, the level across (a level not stated counts 0, as sums
// count it) and the requirement up.
std::vector<ChartPoint> page_chart_points(const PageLines& lines, RequirementAxis requirement);

} // namespace torvane
