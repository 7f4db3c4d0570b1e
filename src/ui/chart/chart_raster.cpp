#include "chart_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include "chart/chart_model.h"
#include "items/category_table.h"
#include "ui/chart/chart_sprite.h"

static_assert(torvane::category_count <= 32, "a cell keeps its categories as the bits of 32");

void ChartRaster::draw(QImage& image, const torvane::ChartModel& model, const ChartLayout& layout) {
    grid_ = layout.frame();
    const auto width = static_cast<std::size_t>(grid_.width());
    const auto height = static_cast<std::size_t>(grid_.height());
    masks_.assign(width * height, 0);
    cells_.resize(model.size());
    starts_.clear();
    members_.clear();
    const std::span<const torvane::ChartPoint> points = model.points();
    const double right = grid_.width() - 1;
    const double bottom = grid_.height() - 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF place = layout.place(points[i].x, points[i].y);
        // The layout keeps every value inside the frame; the clamp guards against rounding.
        const auto x = static_cast<std::size_t>(std::clamp(place.x() - grid_.left(), 0.0, right));
        const auto y = static_cast<std::size_t>(std::clamp(place.y() - grid_.top(), 0.0, bottom));
        const auto cell = static_cast<std::uint32_t>(y * width + x);
        cells_[i] = cell;
        masks_[cell] |= 1U << static_cast<unsigned>(points[i].category);
    }
    occupied_.clear();
    for (std::size_t cell = 0; cell < masks_.size(); ++cell) {
        if (masks_[cell] != 0) {
            occupied_.push_back(static_cast<std::uint32_t>(cell));
        }
    }
    const qreal ratio = image.devicePixelRatio();
    stamp_categories(image, model, ratio);
    draw_frontier(image, model, layout);
}

void ChartRaster::stamp_categories(QImage& image, const torvane::ChartModel& model, qreal ratio) {
    std::array<int, torvane::category_count> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&model](int a, int b) { return model.count_of(a) > model.count_of(b); });
    const PixelTarget target(image);
    for (const int category : order) {
        if (model.count_of(category) == 0) {
            break;
        }
        const MarkerSprite sprite(category_style(category), MarkerEmphasis::plain, ratio);
        const std::uint32_t bit = 1U << static_cast<unsigned>(category);
        for (const std::uint32_t cell : occupied_) {
            if ((masks_[cell] & bit) != 0) {
                sprite.stamp(target, device_centre(cell, ratio));
            }
        }
    }
}

void ChartRaster::draw_frontier(QImage& image, const torvane::ChartModel& model,
                                const ChartLayout& layout) {
    const std::span<const std::uint32_t> frontier = model.frontier();
    const std::span<const torvane::ChartPoint> points = model.points();
    const qreal ratio = image.devicePixelRatio();
    // The line through each category's best buys, one vertex per pixel.
    {
        QPainter painter(&image);
        // Smoothing the lines costs as much as a fifth of a drawing; where a logical pixel has
        // two device pixels or more, their steps are too small to see without it.
        painter.setRenderHint(QPainter::Antialiasing, ratio < 2);
        std::size_t i = 0;
        while (i < frontier.size()) {
            const int category = points[frontier[i]].category;
            QPolygonF line;
            std::uint32_t last_cell = 0;
            for (; i < frontier.size() && points[frontier[i]].category == category; ++i) {
                const std::uint32_t cell = cells_[frontier[i]];
                if (line.isEmpty() || cell != last_cell) {
                    const torvane::ChartPoint& point = points[frontier[i]];
                    line << layout.place(point.x, point.y);
                    last_cell = cell;
                }
            }
            painter.setPen(QPen(category_style(category).colour.darker(115), 1.6));
            painter.drawPolyline(line);
        }
    }
    const PixelTarget target(image);
    std::array<MarkerSprite, torvane::category_count> sprites;
    std::array<bool, torvane::category_count> made{};
    for (const std::uint32_t position : frontier) {
        const auto category = static_cast<std::size_t>(points[position].category);
        if (!made[category]) {
            sprites[category] = MarkerSprite(category_style(points[position].category),
                                             MarkerEmphasis::frontier, ratio);
            made[category] = true;
        }
        sprites[category].stamp(target, device_centre(cells_[position], ratio));
    }
}

QPoint ChartRaster::device_centre(std::uint32_t cell, qreal ratio) const {
    const auto width = static_cast<std::uint32_t>(grid_.width());
    const auto column = static_cast<int>(cell % width);
    const auto row = static_cast<int>(cell / width);
    const double x = grid_.left() + column + 0.5;
    const double y = grid_.top() + row + 0.5;
    return {static_cast<int>(x * ratio), static_cast<int>(y * ratio)};
}

void ChartRaster::index_cells() const {
    if (!starts_.empty() || masks_.empty()) {
        return;
    }
    starts_.assign(masks_.size() + 1, 0);
    for (const std::uint32_t cell : cells_) {
        ++starts_[cell + 1];
    }
    std::partial_sum(starts_.begin(), starts_.end(), starts_.begin());
    members_.resize(cells_.size());
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t position = 0; position < cells_.size(); ++position) {
        members_[next[cells_[position]]++] = static_cast<std::uint32_t>(position);
    }
}

std::vector<std::uint32_t> ChartRaster::points_near(QPoint spot, int reach) const {
    index_cells();
    if (starts_.empty()) {
        return {};
    }
    const int x = spot.x() - grid_.left();
    const int y = spot.y() - grid_.top();
    std::uint32_t best_cell = 0;
    int best_distance = -1;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const int cx = x + dx;
            const int cy = y + dy;
            if (cx < 0 || cy < 0 || cx >= grid_.width() || cy >= grid_.height()) {
                continue;
            }
            const auto cell = static_cast<std::uint32_t>(cy * grid_.width() + cx);
            const int distance = dx * dx + dy * dy;
            if (masks_[cell] != 0 && (best_distance < 0 || distance < best_distance)) {
                best_cell = cell;
                best_distance = distance;
            }
        }
    }
    if (best_distance < 0) {
        return {};
    }
    return {members_.begin() + starts_[best_cell], members_.begin() + starts_[best_cell + 1]};
}
