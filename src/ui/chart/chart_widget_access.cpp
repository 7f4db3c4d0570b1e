// What screen readers hear of the chart: its description, which says what it shows, and the
// current point's name and place.
#include "ui/chart/chart_style.h"
#include "ui/chart/chart_widget.h"

namespace {

// "1 oggetto", "3 oggetti".
QString counted(std::size_t count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

} // namespace

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
