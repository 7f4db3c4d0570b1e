#include "chart_accessible.h"

#include <QPointer>
#include <QWindow>

#include "ui/chart/chart_widget.h"

namespace {

// The current point: an interface of its own without an object, whose texts follow the point.
class ChartPointAccessible : public QAccessibleInterface {
public:
    explicit ChartPointAccessible(ChartWidget* chart) : chart_(chart) {}

    bool isValid() const override { return chart_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_ ? chart_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return chart_ ? QAccessible::queryAccessibleInterface(chart_) : nullptr;
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (!chart_ || kind != QAccessible::Name) {
            return {};
        }
        return chart_->current_point_text();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!chart_) {
            return {};
        }
        const QRect local = chart_->current_point_rect();
        return {chart_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = chart_ && chart_->hasFocus();
        state.selected = chart_ && chart_->current_index() &&
                         chart_->current_index() == chart_->selected_index();
        state.invisible = !chart_ || !chart_->current_index();
        return state;
    }

private:
    QPointer<ChartWidget> chart_;
};

QAccessibleInterface* make_chart_accessible(const QString& class_name, QObject* object) {
    auto* chart = qobject_cast<ChartWidget*>(object);
    if (chart != nullptr && class_name == QLatin1String("ChartWidget")) {
        return new ChartAccessible(chart);
    }
    return nullptr;
}

} // namespace

ChartAccessible::ChartAccessible(ChartWidget* chart)
    : QAccessibleWidget(chart, QAccessible::Chart) {
}

ChartAccessible::~ChartAccessible() {
    if (point_id_ != 0) {
        QAccessible::deleteAccessibleInterface(point_id_);
    }
}

ChartWidget* ChartAccessible::chart() const {
    return static_cast<ChartWidget*>(widget());
}

QAccessibleInterface* ChartAccessible::point() const {
    if (point_id_ == 0) {
        point_id_ = QAccessible::registerAccessibleInterface(new ChartPointAccessible(chart()));
    }
    return QAccessible::accessibleInterface(point_id_);
}

int ChartAccessible::childCount() const {
    return chart()->current_index() ? 1 : 0;
}

QAccessibleInterface* ChartAccessible::child(int index) const {
    return index == 0 && childCount() == 1 ? point() : nullptr;
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child == point() && childCount() == 1 ? 0 : -1;
}

QAccessibleInterface* ChartAccessible::focusChild() const {
    return chart()->hasFocus() && childCount() == 1 ? point() : nullptr;
}

QAccessibleInterface* ChartAccessible::childAt(int x, int y) const {
    const bool inside = childCount() == 1 && point()->rect().contains(x, y);
    return inside ? point() : nullptr;
}

void install_chart_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(make_chart_accessible);
        return true;
    }();
    (void)installed;
}

void announce_current_point(ChartWidget* chart) {
    // Without a screen reader listening Qt drops the events; making interfaces for them would
    // be work for nothing.
    if (!QAccessible::isActive()) {
        return;
    }
    auto* accessible = dynamic_cast<ChartAccessible*>(QAccessible::queryAccessibleInterface(chart));
    if (accessible == nullptr || !chart->current_index()) {
        return;
    }
    QAccessibleEvent renamed(accessible->point(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (chart->hasFocus()) {
        QAccessibleEvent focused(accessible->point(), QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}
