#include "chart_style.h"

#include <array>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "items/category_table.h"

namespace {

// Twelve hues far enough apart on white, in an order where neighbours differ most, since the
// categories of a page take them in table order.
constexpr std::array<QRgb, 12> colours = {
    0xFF2060C0, // blue
    0xFFE06A10, // orange
    0xFF2A9040, // green
    0xFFC8283C, // red
    0xFF8048C0, // purple
    0xFF10908C, // teal
    0xFFD0489A, // pink
    0xFF8C5A32, // brown
    0xFF8C9A10, // olive
    0xFF203C78, // navy
    0xFF6C6C6C, // grey
    0xFFD8A010, // gold
};

constexpr std::array<MarkerShape, 6> shapes = {
    MarkerShape::circle,  MarkerShape::square,        MarkerShape::triangle_up,
    MarkerShape::diamond, MarkerShape::triangle_down, MarkerShape::plus,
};

// The place of a category among those of its page, in table order.
constexpr std::size_t rank_in_page(int code) {
    const torvane::CategoryInfo& info = torvane::category_info(code);
    std::size_t rank = 0;
    for (const torvane::CategoryInfo& other : torvane::category_table) {
        if (other.code < info.code && other.page == info.page) {
            ++rank;
        }
    }
    return rank;
}

static_assert(rank_in_page(13) == 11, "the armour page's twelve categories take all colours");

QPolygonF shape_outline(MarkerShape shape, QPointF c, qreal r) {
    switch (shape) {
    case MarkerShape::square:
        return QRectF(c.x() - 0.9 * r, c.y() - 0.9 * r, 1.8 * r, 1.8 * r);
    case MarkerShape::triangle_up:
        return QPolygonF({{c.x(), c.y() - 1.2 * r},
                          {c.x() + 1.15 * r, c.y() + 0.85 * r},
                          {c.x() - 1.15 * r, c.y() + 0.85 * r}});
    case MarkerShape::triangle_down:
        return QPolygonF({{c.x(), c.y() + 1.2 * r},
                          {c.x() + 1.15 * r, c.y() - 0.85 * r},
                          {c.x() - 1.15 * r, c.y() - 0.85 * r}});
    case MarkerShape::diamond:
        return QPolygonF({{c.x(), c.y() - 1.25 * r},
                          {c.x() + 1.1 * r, c.y()},
                          {c.x(), c.y() + 1.25 * r},
                          {c.x() - 1.1 * r, c.y()}});
    case MarkerShape::plus: {
        const qreal a = 0.42 * r;
        const qreal b = 1.15 * r;
        return QPolygonF({{c.x() - a, c.y() - b},
                          {c.x() + a, c.y() - b},
                          {c.x() + a, c.y() - a},
                          {c.x() + b, c.y() - a},
                          {c.x() + b, c.y() + a},
                          {c.x() + a, c.y() + a},
                          {c.x() + a, c.y() + b},
                          {c.x() - a, c.y() + b},
                          {c.x() - a, c.y() + a},
                          {c.x() - b, c.y() + a},
                          {c.x() - b, c.y() - a},
                          {c.x() - a, c.y() - a}});
    }
    case MarkerShape::circle:
        break;
    }
    return {};
}

} // namespace

CategoryStyle category_style(int code) {
    const std::size_t rank = rank_in_page(code);
    return {QColor::fromRgb(colours[rank % colours.size()]), shapes[rank % shapes.size()]};
}

qreal marker_radius(MarkerEmphasis emphasis) {
    return emphasis == MarkerEmphasis::frontier ? 5.0 : 3.2;
}

void draw_marker(QPainter& painter, QPointF centre, const CategoryStyle& style,
                 MarkerEmphasis emphasis) {
    const qreal r = marker_radius(emphasis);
    const QColor fill = style.colour;
    // Opaque, so that stamping a marker mostly copies pixels; where plain points crowd, their
    // darker outlines show how thickly.
    const QPen pen = emphasis == MarkerEmphasis::frontier ? QPen(QColor(0x20, 0x20, 0x20), 1.4)
                                                          : QPen(style.colour.darker(150), 0.8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(fill);
    if (style.shape == MarkerShape::circle) {
        painter.drawEllipse(centre, r, r);
    } else {
        painter.drawPolygon(shape_outline(style.shape, centre, r));
    }
    painter.restore();
}
