#pragma once

#include <cstdint>
#include <vector>

#include <QPoint>
#include <QRect>

#include "ui/chart/chart_layout.h"

class QImage;

namespace torvane {
class ChartModel;
}

// The points of a chart, drawn into an image, and what a pointer needs to find them again.
//
// Points that fall on one logical pixel are merged: each category's marker is stamped there
// once, however many of its points share the pixel, so that drawing costs one pass over the
// points plus one stamp per pixel and category in use. Categories are stamped largest first,
// so that the smaller ones stay in sight; the best buys of each category follow, joined by a
// line, larger and outlined.
class ChartRaster {
public:
    // Draws into image (Format_ARGB32_Premultiplied, at the layout's size times its device
    // pixel ratio) and keeps the pixel of every point.
    void draw(QImage& image, const torvane::ChartModel& model, const ChartLayout& layout);

    // The positions of the points on the pixel nearest to spot, at most reach pixels away
    // across or up, in order of position; none when no point is that close. Merged points are
    // all there.
    std::vector<std::uint32_t> points_near(QPoint spot, int reach) const;

private:
    void stamp_categories(QImage& image, const torvane::ChartModel& model, qreal ratio);
    void draw_frontier(QImage& image, const torvane::ChartModel& model, const ChartLayout& layout);
    QPoint device_centre(std::uint32_t cell, qreal ratio) const;
    void index_cells() const;

    // The frame of the layout: one cell per logical pixel.
    QRect grid_;
    // The cell of each position, and the categories present in each cell as bits.
    std::vector<std::uint32_t> cells_;
    std::vector<std::uint32_t> masks_;
    std::vector<std::uint32_t> occupied_;
    // The positions in each cell, made on the first question after a draw: where cell c's
    // positions start in members_, and after them where c + 1's start.
    mutable std::vector<std::uint32_t> starts_;
    mutable std::vector<std::uint32_t> members_;
};
