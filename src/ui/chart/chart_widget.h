#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QImage>
#include <QWidget>

#include "chart/chart_model.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_raster.h"

// The chart of one page: a point per item, the best buys of each category joined and drawn
// stronger, axes, legend. It only draws and reports: whoever owns it sets the points, the axes'
// titles and the selected item, and hears which item the user picked.
//
// The pointer shows the list lines of the items under it; a click picks the item, as do
// Enter after the arrow keys, which step through the points by x (the requirement, or the
// level). Screen readers hear the chart's name, a description of what it shows, and the
// current point, which the chart offers as its focused child.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    // The list line of the item with this index, as the pointer and screen readers show it.
    using LineText = std::function<QString(std::uint32_t index)>;

    // How many lines the pointer shows at most; more merged items become "e altri N".
    static constexpr int hover_lines = 5;

    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    // Shows these points in place of the last, with their lines; no point is current after.
    void set_points(std::vector<torvane::ChartPoint> points, LineText line_text);
    // The axes' titles and which carries the requirement; requirement across, efficacy up
    // until set.
    void set_axes(const ChartAxes& axes);
    // Both at once, for a new page: its best buys are found once, under its own axes.
    void show_page(const ChartAxes& axes, std::vector<torvane::ChartPoint> points,
                   LineText line_text);
    // Marks the item selected in the main window's list; none marks nothing.
    void set_selected_index(std::optional<std::uint32_t> index);

    const torvane::ChartModel& model() const { return model_; }
    const ChartAxes& axes() const { return axes_; }
    std::optional<std::uint32_t> selected_index() const { return selected_index_; }
    // The item of the point the arrow keys reached, if any.
    std::optional<std::uint32_t> current_index() const;

    // What the pointer at spot shows: the lines of the items on the pixel nearest to it, a few
    // at most and then "e altri N"; empty where no point is near.
    QString hover_text(QPoint spot) const;
    // The item a click at spot picks: the first of those the pointer shows there.
    std::optional<std::uint32_t> index_at(QPoint spot) const;
    // Where the point of the item lies in the widget, if the chart has it.
    std::optional<QPoint> place_of_item(std::uint32_t index) const;

    // What a screen reader says of the chart and of its current point.
    QString summary() const;
    QString current_point_text() const;
    QRect current_point_rect() const;

    // The chart drawn afresh at another size, with the selected item marked, for saving.
    QImage render(QSize size, qreal device_pixel_ratio) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void item_picked(quint32 index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void invalidate();
    void ensure_drawn() const;
    void move_current(std::optional<std::uint32_t> position);
    void describe();
    QPointF place_of(std::uint32_t position) const;
    QString line_of(std::uint32_t position) const;

    torvane::ChartModel model_;
    LineText line_text_;
    ChartAxes axes_;
    std::optional<std::uint32_t> selected_index_;
    // Positions in the model.
    std::optional<std::uint32_t> selected_;
    std::optional<std::uint32_t> current_;
    // The drawing at the widget's size and what it found, made on the first need after a change.
    mutable ChartLayout layout_;
    mutable ChartRaster raster_;
    mutable QImage image_;
    mutable bool drawn_ = false;
};
