#pragma once

#include <vector>

#include <QFont>
#include <QRect>
#include <QString>

#include "chart/axis_scale.h"
#include "ui/chart/chart_axes.h"

namespace torvane {
class ChartModel;
}

// One line of the legend: a category with its marker, or the best buys' line.
struct LegendEntry {
    static constexpr int frontier_line = -1;
    int category = frontier_line;
    QString text;
};

// Where each part of the chart goes at one size, in logical pixels: the axes' box with room
// for the tick labels and titles on its left and below, and the legend on its right, so that
// the legend never covers a point.
class ChartLayout {
public:
    ChartLayout() = default;
    ChartLayout(const torvane::ChartModel& model, ChartAxes axes, QSize size, const QFont& font);

    QSize size() const { return size_; }
    const ChartAxes& axes() const { return axes_; }
    const QFont& font() const { return font_; }
    // The axes' box; the grid of pixels on which points merge is this box.
    QRect frame() const { return frame_; }
    const torvane::AxisScale& x_scale() const { return x_scale_; }
    const torvane::AxisScale& y_scale() const { return y_scale_; }
    // Empty when the chart is too narrow for a legend beside the axes.
    QRect legend() const { return legend_; }
    const std::vector<LegendEntry>& legend_entries() const { return entries_; }
    int legend_row_height() const { return row_height_; }
    // The legend's column of markers, left of its texts: room for the best buys' marker and a
    // stroke of their line each side.
    static constexpr int legend_marker_column = 28;

    // The place of a value pair: inside the frame by a marker's radius, so that no marker
    // crosses an axis.
    QPointF place(double x, double y) const {
        return {plot_left_ + (x - x_scale_.low) * x_factor_,
                plot_bottom_ - (y - y_scale_.low) * y_factor_};
    }

    // A tick's label: the decimals the step needs, no "-0".
    static QString tick_text(double value, int decimals);

private:
    int legend_width(const QFontMetrics& metrics) const;
    void place_axes(const torvane::ChartModel& model, const QFontMetrics& metrics, int right);

    QSize size_;
    ChartAxes axes_;
    QFont font_;
    QRect frame_;
    QRect legend_;
    std::vector<LegendEntry> entries_;
    int row_height_ = 0;
    torvane::AxisScale x_scale_;
    torvane::AxisScale y_scale_;
    double plot_left_ = 0;
    double plot_bottom_ = 0;
    double x_factor_ = 1;
    double y_factor_ = 1;
};
