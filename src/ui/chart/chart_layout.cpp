#include "chart_layout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFontMetrics>

#include "chart/chart_model.h"
#include "items/category_table.h"
#include "ui/chart/chart_style.h"
#include "ui/widgets/text_1252_codec.h"

namespace {

constexpr int padding = 8;
constexpr int tick_length = 4;
// The least room the axes keep beside the legend.
constexpr int least_frame_width = 200;

int widest_tick(const torvane::AxisScale& scale, const QFontMetrics& metrics) {
    int widest = 0;
    for (int i = 0; i < scale.tick_count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(
                                      ChartLayout::tick_text(scale.tick(i), scale.decimals)));
    }
    return widest;
}

} // namespace

ChartLayout::ChartLayout(const torvane::ChartModel& model, ChartAxes axes, QSize size,
                         const QFont& font)
    : size_(size), axes_(std::move(axes)), font_(font) {
    const QFontMetrics metrics(font);
    row_height_ = std::max(metrics.height(), 14) + 3;
    for (const torvane::CategoryInfo& info : torvane::category_table) {
        if (const std::uint32_t count = model.count_of(info.code); count > 0) {
            entries_.push_back(
                {info.code, QStringLiteral("%1 (%2)").arg(decode_1252(info.name)).arg(count)});
        }
    }
    if (!model.frontier().empty()) {
        entries_.push_back({LegendEntry::frontier_line, QStringLiteral("Migliori acquisti")});
    }
    int right = size.width() - padding;
    const int width = legend_width(metrics);
    if (!entries_.empty() && right - width - padding >= least_frame_width) {
        right -= width;
        legend_ =
            QRect(right, padding, width, static_cast<int>(entries_.size()) * row_height_ + padding);
        right -= padding;
    }
    place_axes(model, metrics, right);
}

int ChartLayout::legend_width(const QFontMetrics& metrics) const {
    int widest = 0;
    for (const LegendEntry& entry : entries_) {
        widest = std::max(widest, metrics.horizontalAdvance(entry.text));
    }
    return legend_marker_column + widest + padding;
}

void ChartLayout::place_axes(const torvane::ChartModel& model, const QFontMetrics& metrics,
                             int right) {
    const int line = metrics.height();
    const int top = padding + line / 2;
    const int bottom = size_.height() - padding - line - padding / 2 - line - tick_length;
    // A tick label every two and a half lines up the axis, or fewer: a tall window does not
    // need more numbers than eleven to be read.
    const int y_ticks = std::clamp((bottom - top) * 2 / (line * 5), 2, 11);
    y_scale_ = torvane::nice_scale(model.y_least(), model.y_most(), y_ticks, model.y_values());
    const int left =
        padding + line + padding / 2 + widest_tick(y_scale_, metrics) + tick_length + padding / 2;
    // A tick every fifty pixels across at most, and as many as their labels leave a gap
    // between them for.
    int x_ticks = std::clamp((right - left) / 50, 2, 16);
    for (int attempt = 0; attempt < 4; ++attempt) {
        x_scale_ = torvane::nice_scale(model.x_least(), model.x_most(), x_ticks, model.x_values());
        const int room = (widest_tick(x_scale_, metrics) + 2 * padding) * x_scale_.tick_count();
        if (room <= right - left || x_ticks == 2) {
            break;
        }
        x_ticks = std::max(2, x_ticks * (right - left) / room);
    }
    frame_ = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
    const double inset = marker_radius(MarkerEmphasis::frontier) + 1;
    plot_left_ = frame_.left() + inset;
    plot_bottom_ = frame_.bottom() - inset;
    x_factor_ = std::max(1.0, frame_.width() - 2 * inset) / (x_scale_.high - x_scale_.low);
    y_factor_ = std::max(1.0, frame_.height() - 2 * inset) / (y_scale_.high - y_scale_.low);
}

QString ChartLayout::tick_text(double value, int decimals) {
    if (std::abs(value) >= 1e9) {
        return QString::number(value, 'g', 3);
    }
    // A tick a rounding step off 0 is 0, never "-0".
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) {
        value = 0;
    }
    return QString::number(value, 'f', decimals);
}
