#pragma once

#include <QString>

#include "chart/chart_frontier.h"

// What the chart's two axes measure: their titles, and which of them carries the requirement,
// which decides which points are the best buys.
// Without a word, requirement across and efficacy up: the pages of weapons, armour, jewels,
// bows and arrows.
struct ChartAxes {
    QString x_title = QStringLiteral("Requisiti");
    QString y_title = QStringLiteral("Efficacia");
    torvane::RequirementAxis requirement = torvane::RequirementAxis::across;

    static ChartAxes efficacy_by_requirement() { return {}; }
    // Level across, requirement up: the pages of abilities and spells, whose records have no
    // efficacy.
    static ChartAxes requirement_by_level() {
        return {QStringLiteral("Livello"), QStringLiteral("Requisiti"),
                torvane::RequirementAxis::up};
    }
};
