#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

enum class MarkerShape { circle, square, triangle_up, diamond, triangle_down, plus };

// The best buys are drawn larger, opaque and outlined, so that they stand out of the crowd.
enum class MarkerEmphasis { plain, frontier };

struct CategoryStyle {
    QColor colour;
    MarkerShape shape;
};

// The colour and marker of a category, the same on every page and in every run. The categories
// of one page never share a colour (a page has twelve at most) nor, for neighbours in the
// table, a marker; colour and marker together tell every category of a page apart.
CategoryStyle category_style(int code);

// Radius of a marker in logical pixels.
qreal marker_radius(MarkerEmphasis emphasis);

// Draws the marker centred on centre, in logical pixels of the painter.
void draw_marker(QPainter& painter, QPointF centre, const CategoryStyle& style,
                 MarkerEmphasis emphasis);
