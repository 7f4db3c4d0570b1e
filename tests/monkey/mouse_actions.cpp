// The mouse: clicks anywhere, on buttons, tabs and lines, double clicks on lines, and resting
// over a line until its tooltip shows.
#include <QAbstractButton>
#include <QListView>
#include <QTabBar>

#include "action_target.h"
#include "monkey_actions.h"

namespace {

QPoint random_point(MonkeyRandom& random, const QRect& area) {
    return {area.left() + random.below(area.width()), area.top() + random.below(area.height())};
}

Qt::MouseButton random_button(MonkeyRandom& random) {
    const int draw = random.below(10);
    return draw < 8 ? Qt::LeftButton : (draw == 8 ? Qt::RightButton : Qt::MiddleButton);
}

// A line of the list on show, or now and then a point below its lines; the point is in the
// list's viewport.
QPoint line_point(ActionTarget& target, QListView* list) {
    const int rows = list->model()->rowCount();
    if (rows == 0 || target.random().percent(10)) {
        const QPoint point = random_point(target.random(), list->viewport()->rect());
        target.note("at " + std::to_string(point.x()) + "," + std::to_string(point.y()));
        return point;
    }
    const int row = target.random().below(rows);
    list->scrollTo(list->model()->index(row, 0));
    target.note("line " + std::to_string(row) + " of " + std::to_string(rows));
    return list->visualRect(list->model()->index(row, 0)).center();
}

// The list on show, and in point a place on it to act on; nullptr when no list shows.
QListView* aim_at_line(ActionTarget& target, QPoint& point) {
    QListView* list = target.current_list();
    if (list != nullptr) {
        target.note(ActionTarget::describe(list));
        point = line_point(target, list);
    }
    return list;
}

} // namespace

void click_any_control(ActionTarget& target) {
    auto* widget = target.pick_control<QWidget>();
    if (widget == nullptr) {
        return;
    }
    const QPoint point = random_point(target.random(), widget->rect());
    const Qt::MouseButton button = random_button(target.random());
    target.note(ActionTarget::describe(widget) + " button " + std::to_string(button));
    target.click(widget, point, button);
}

void click_button(ActionTarget& target) {
    auto* button = target.pick_control<QAbstractButton>();
    if (button == nullptr) {
        return;
    }
    target.note(ActionTarget::describe(button));
    target.click(button, button->rect().center());
}

void click_tab(ActionTarget& target) {
    auto* tabs = target.pick_control<QTabBar>();
    if (tabs == nullptr || tabs->count() == 0) {
        return;
    }
    const int tab = target.random().below(tabs->count());
    target.note("tab " + std::to_string(tab));
    target.click(tabs, tabs->tabRect(tab).center());
}

void select_line(ActionTarget& target) {
    QPoint point;
    if (QListView* list = aim_at_line(target, point)) {
        target.click(list->viewport(), point);
    }
}

void double_click_line(ActionTarget& target) {
    QPoint point;
    if (QListView* list = aim_at_line(target, point)) {
        target.double_click(list->viewport(), point);
    }
}

void hover_line(ActionTarget& target) {
    QPoint point;
    if (QListView* list = aim_at_line(target, point)) {
        target.hover(list->viewport(), point);
    }
}
