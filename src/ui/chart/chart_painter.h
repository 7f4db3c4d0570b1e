#pragma once

#include <QImage>
#include <QPointF>

class QPainter;

class ChartLayout;
class ChartRaster;

namespace torvane {
class ChartModel;
}

// Draws the whole chart at the layout's size into image, at device_pixel_ratio device pixels
// per logical pixel: grid, points and best buys (through raster, which keeps where each point
// went), axes with their ticks and titles, and the legend. Dark text on white, whatever the
// desktop's colours, as a chart reads best and saves the same. An image of the right size is
// drawn over; any other is replaced.
void paint_chart(QImage& image, const torvane::ChartModel& model, const ChartLayout& layout,
                 qreal device_pixel_ratio, ChartRaster& raster);

// The ring round the item selected in the main window's list.
void draw_selection_mark(QPainter& painter, QPointF centre);
// The square round the point the arrow keys reached; fainter while the chart lacks the focus.
void draw_current_mark(QPainter& painter, QPointF centre, bool focused);
