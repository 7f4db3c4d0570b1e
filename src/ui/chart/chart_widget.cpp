#include "chart_widget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/chart/chart_accessible.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_style.h"

namespace {

// How far from a point, in logical pixels across or up, the pointer still finds it: about a
// plain marker's reach.
constexpr int pointer_reach = 4;

// "1 oggetto", "3 oggetti".
QString counted(std::size_t count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    install_chart_accessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Grafico"));
    describe();
}

ChartWidget::~ChartWidget() = default;

void ChartWidget::set_points(std::vector<torvane::ChartPoint> points, LineText line_text) {
    model_.set_points(std::move(points), axes_.requirement);
    line_text_ = std::move(line_text);
    current_.reset();
    selected_ = selected_index_ ? model_.position_of(*selected_index_) : std::nullopt;
    describe();
    invalidate();
}

void ChartWidget::show_page(const ChartAxes& axes, std::vector<torvane::ChartPoint> points,
                            LineText line_text) {
    axes_ = axes;
    set_points(std::move(points), std::move(line_text));
}

void ChartWidget::set_axes(const ChartAxes& axes) {
    axes_ = axes;
    model_.set_requirement_axis(axes.requirement);
    describe();
    invalidate();
}

void ChartWidget::set_selected_index(std::optional<std::uint32_t> index) {
    selected_index_ = index;
    selected_ = index ? model_.position_of(*index) : std::nullopt;
    update();
}

std::optional<std::uint32_t> ChartWidget::current_index() const {
    if (!current_) {
        return std::nullopt;
    }
    return model_.points()[*current_].index;
}

void ChartWidget::invalidate() {
    drawn_ = false;
    update();
}

void ChartWidget::ensure_drawn() const {
    // A window moved to a screen of another pixel ratio needs a sharper or smaller image.
    if (drawn_ && image_.devicePixelRatio() == devicePixelRatioF()) {
        return;
    }
    layout_ = ChartLayout(model_, axes_, size(), font());
    paint_chart(image_, model_, layout_, devicePixelRatioF(), raster_);
    drawn_ = true;
}

QPointF ChartWidget::place_of(std::uint32_t position) const {
    ensure_drawn();
    const torvane::ChartPoint& point = model_.points()[position];
    return layout_.place(point.x, point.y);
}

QString ChartWidget::line_of(std::uint32_t position) const {
    const std::uint32_t index = model_.points()[position].index;
    return line_text_ ? line_text_(index) : QString();
}

QString ChartWidget::hover_text(QPoint spot) const {
    ensure_drawn();
    const std::vector<std::uint32_t> near = raster_.points_near(spot, pointer_reach);
    QStringList lines;
    for (std::size_t i = 0; i < near.size() && i < hover_lines; ++i) {
        lines << line_of(near[i]);
    }
    if (near.size() > hover_lines) {
        lines << QStringLiteral("e altri %1").arg(near.size() - hover_lines);
    }
    return lines.join(QLatin1Char('\n'));
}

std::optional<std::uint32_t> ChartWidget::index_at(QPoint spot) const {
    ensure_drawn();
    const std::vector<std::uint32_t> near = raster_.points_near(spot, pointer_reach);
    if (near.empty()) {
        return std::nullopt;
    }
    return model_.points()[near.front()].index;
}

std::optional<QPoint> ChartWidget::place_of_item(std::uint32_t index) const {
    const std::optional<std::uint32_t> position = model_.position_of(index);
    if (!position) {
        return std::nullopt;
    }
    return place_of(*position).toPoint();
}

QImage ChartWidget::render(QSize size, qreal device_pixel_ratio) const {
    const ChartLayout layout(model_, axes_, size, font());
    ChartRaster raster;
    QImage image;
    paint_chart(image, model_, layout, device_pixel_ratio, raster);
    if (selected_) {
        QPainter painter(&image);
        const torvane::ChartPoint& point = model_.points()[*selected_];
        draw_selection_mark(painter, layout.place(point.x, point.y));
    }
    return image;
}

QSize ChartWidget::sizeHint() const {
    return {600, 400};
}

QSize ChartWidget::minimumSizeHint() const {
    return {320, 220};
}

bool ChartWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = hover_text(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            // The tip goes when the pointer leaves the points it names.
            const QPoint reach(pointer_reach, pointer_reach);
            QToolTip::showText(help->globalPos(), text, this,
                               QRect(help->pos() - reach, help->pos() + reach));
        }
        return true;
    }
    return QWidget::event(event);
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    ensure_drawn();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
    if (selected_) {
        draw_selection_mark(painter, place_of(*selected_));
    }
    if (current_) {
        draw_current_mark(painter, place_of(*current_), hasFocus());
    }
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    drawn_ = false;
}

void ChartWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        invalidate();
    }
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    ensure_drawn();
    const std::vector<std::uint32_t> near =
        raster_.points_near(event->position().toPoint(), pointer_reach);
    if (near.empty()) {
        return;
    }
    // The first of the items the pointer lists there, which the arrow keys then step from.
    move_current(near.front());
    emit item_picked(model_.points()[near.front()].index);
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
    // The first arrow goes to the selected item, or to an end of the order; the next ones step.
    const auto arrow = [this](std::ptrdiff_t direction) {
        if (current_) {
            return model_.step(current_, direction);
        }
        return selected_ ? selected_ : model_.step(std::nullopt, direction);
    };
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        move_current(arrow(1));
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        move_current(arrow(-1));
        break;
    case Qt::Key_Home:
        move_current(model_.step(std::nullopt, 1));
        break;
    case Qt::Key_End:
        move_current(model_.step(std::nullopt, -1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!current_) {
            QWidget::keyPressEvent(event);
            return;
        }
        emit item_picked(model_.points()[*current_].index);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChartWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    announce_current_point(this);
}

void ChartWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ChartWidget::move_current(std::optional<std::uint32_t> position) {
    if (!position || position == current_) {
        return;
    }
    current_ = position;
    update();
    announce_current_point(this);
    if (isVisible()) {
        const QPoint at = place_of(*current_).toPoint() + QPoint(8, 8);
        QToolTip::showText(mapToGlobal(at), line_of(*current_), this);
    }
}

// What screen readers hear of the chart: its description, which says what it shows, and the
// current point's name and place.
QString ChartWidget::summary() const {
    const QString axes = QStringLiteral("%1 in orizzontale, %2 in verticale")
                             .arg(axes_.x_title, axes_.y_title.toLower());
    if (model_.size() == 0) {
        return QStringLiteral("Nessun oggetto. %1.").arg(axes);
    }
    return QStringLiteral("%1, %2 tra i migliori acquisti della loro categoria. %3. Le frecce "
                          "passano da un punto all'altro in ordine di %4, Invio seleziona "
                          "l'oggetto.")
        .arg(counted(model_.size(), "oggetto", "oggetti"))
        .arg(model_.frontier().size())
        .arg(axes, axes_.x_title.toLower());
}

void ChartWidget::describe() {
    setAccessibleDescription(summary());
}

QString ChartWidget::current_point_text() const {
    if (!current_) {
        return {};
    }
    const torvane::ChartPoint& point = model_.points()[*current_];
    QString text = line_of(*current_);
    if (model_.on_frontier(*current_)) {
        text += QStringLiteral(", miglior acquisto");
    }
    return text + QStringLiteral("; %1 %2, %3 %4; punto %5 di %6")
                      .arg(axes_.x_title, QString::number(point.x), axes_.y_title.toLower(),
                           QString::number(point.y))
                      .arg(model_.step_number(*current_) + 1)
                      .arg(model_.size());
}

QRect ChartWidget::current_point_rect() const {
    if (!current_) {
        return {};
    }
    const int reach = static_cast<int>(marker_radius(MarkerEmphasis::frontier)) + 2;
    const QPoint centre = place_of(*current_).toPoint();
    return {centre - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1)};
}
