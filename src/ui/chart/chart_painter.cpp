#include "chart_painter.h"

#include <cmath>

#include <QPainter>

#include "chart/chart_model.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_raster.h"
#include "ui/chart/chart_style.h"

namespace {

const QColor ink(0x30, 0x30, 0x30);
const QColor grid_lines(0xE4, 0xE4, 0xE4);
const QColor frame_lines(0x90, 0x90, 0x90);
constexpr int tick_length = 4;

void draw_grid(QPainter& painter, const ChartLayout& layout) {
    const QRect frame = layout.frame();
    painter.setPen(QPen(grid_lines, 1));
    const torvane::AxisScale& x = layout.x_scale();
    for (int i = 0; i < x.tick_count(); ++i) {
        const double at = std::round(layout.place(x.tick(i), 0).x()) + 0.5;
        painter.drawLine(QPointF(at, frame.top()), QPointF(at, frame.bottom()));
    }
    const torvane::AxisScale& y = layout.y_scale();
    for (int i = 0; i < y.tick_count(); ++i) {
        const double at = std::round(layout.place(0, y.tick(i)).y()) + 0.5;
        painter.drawLine(QPointF(frame.left(), at), QPointF(frame.right(), at));
    }
}

void draw_axes(QPainter& painter, const ChartLayout& layout) {
    const QRectF frame = QRectF(layout.frame()).adjusted(0.5, 0.5, 0.5, 0.5);
    const QFontMetrics metrics(layout.font());
    painter.setPen(QPen(frame_lines, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.setPen(ink);
    const torvane::AxisScale& x = layout.x_scale();
    for (int i = 0; i < x.tick_count(); ++i) {
        const double at = std::round(layout.place(x.tick(i), 0).x()) + 0.5;
        painter.drawLine(QPointF(at, frame.bottom()), QPointF(at, frame.bottom() + tick_length));
        const QString text = ChartLayout::tick_text(x.tick(i), x.decimals);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(at - width / 2, frame.bottom() + tick_length + metrics.ascent()),
                         text);
    }
    const torvane::AxisScale& y = layout.y_scale();
    for (int i = 0; i < y.tick_count(); ++i) {
        const double at = std::round(layout.place(0, y.tick(i)).y()) + 0.5;
        painter.drawLine(QPointF(frame.left() - tick_length, at), QPointF(frame.left(), at));
        const QString text = ChartLayout::tick_text(y.tick(i), y.decimals);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(frame.left() - tick_length - 3 - width,
                                 at + (metrics.ascent() - metrics.descent()) / 2.0),
                         text);
    }
    // The titles: across under the tick labels, up the left edge.
    QFont bold = layout.font();
    bold.setBold(true);
    painter.setFont(bold);
    const QRectF below(frame.left(), layout.size().height() - 8 - metrics.height(), frame.width(),
                       metrics.height());
    painter.drawText(below, Qt::AlignCenter, layout.axes().x_title);
    painter.save();
    painter.translate(8, frame.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-frame.height() / 2, 0, frame.height(), metrics.height()),
                     Qt::AlignCenter, layout.axes().y_title);
    painter.restore();
    painter.setFont(layout.font());
}

void draw_legend(QPainter& painter, const ChartLayout& layout) {
    const QRect box = layout.legend();
    if (box.isEmpty()) {
        return;
    }
    painter.setPen(QPen(grid_lines, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    const int row = layout.legend_row_height();
    int top = box.top() + 4;
    for (const LegendEntry& entry : layout.legend_entries()) {
        const QPointF marker(box.left() + ChartLayout::legend_marker_column / 2.0, top + row / 2.0);
        if (entry.category == LegendEntry::frontier_line) {
            painter.setPen(QPen(ink, 1.6));
            painter.drawLine(marker - QPointF(8, 0), marker + QPointF(8, 0));
            draw_marker(painter, marker, {frame_lines, MarkerShape::circle},
                        MarkerEmphasis::frontier);
        } else {
            draw_marker(painter, marker, category_style(entry.category), MarkerEmphasis::plain);
        }
        painter.setPen(ink);
        painter.drawText(QRectF(box.left() + ChartLayout::legend_marker_column, top,
                                box.width() - ChartLayout::legend_marker_column, row),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        top += row;
    }
}

} // namespace

void paint_chart(QImage& image, const torvane::ChartModel& model, const ChartLayout& layout,
                 qreal device_pixel_ratio, ChartRaster& raster) {
    const QSize pixels = layout.size() * device_pixel_ratio;
    if (image.size() != pixels || image.format() != QImage::Format_ARGB32_Premultiplied) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    image.setDevicePixelRatio(device_pixel_ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw_grid(painter, layout);
    }
    raster.draw(image, model, layout);
    QPainter painter(&image);
    painter.setFont(layout.font());
    draw_axes(painter, layout);
    draw_legend(painter, layout);
    if (model.size() == 0) {
        painter.setPen(frame_lines);
        painter.drawText(layout.frame(), Qt::AlignCenter,
                         QStringLiteral("Nessun oggetto da mostrare"));
    }
}

void draw_selection_mark(QPainter& painter, QPointF centre) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Dark on a light halo, so that it shows on any marker and on the white.
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(centre, 9, 9);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(centre, 9, 9);
    painter.restore();
}

void draw_current_mark(QPainter& painter, QPointF centre, bool focused) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen pen(focused ? QColor(0x10, 0x50, 0xD0) : frame_lines, 1.5, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(QRectF(centre - QPointF(12, 12), QSizeF(24, 24)));
    painter.restore();
}
