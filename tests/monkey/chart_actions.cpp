// The chart window and the export: opening the chart with Ctrl+G, clicking, hovering and
// stepping through its points, closing it; exporting the lists with Ctrl+S.
#include <array>

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "action_target.h"
#include "file_dialog_answer.h"
#include "monkey_actions.h"
#include "session_files.h"
#include "ui/chart/chart_widget.h"
#include "ui/chart/chart_window.h"

namespace {

constexpr std::array<Qt::Key, 9> chart_keys = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,
                                               Qt::Key_Down,   Qt::Key_Home,     Qt::Key_End,
                                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return};

// The chart window on show; nullptr, noted, when it is closed.
ChartWindow* shown_chart(ActionTarget& target) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* chart = qobject_cast<ChartWindow*>(window);
            chart != nullptr && chart->isVisible()) {
            return chart;
        }
    }
    target.note("no chart");
    return nullptr;
}

QPoint somewhere_in(ActionTarget& target, const QWidget& widget) {
    return {target.random().below(std::max(1, widget.width())),
            target.random().below(std::max(1, widget.height()))};
}

} // namespace

void open_chart(ActionTarget& target) {
    target.press(target.keyboard_receiver(), Qt::Key_G, Qt::ControlModifier);
}

void click_chart(ActionTarget& target) {
    ChartWindow* window = shown_chart(target);
    if (window == nullptr) {
        return;
    }
    const QPoint point = somewhere_in(target, *window->chart());
    target.note(std::to_string(point.x()) + "," + std::to_string(point.y()));
    if (target.random().percent(30)) {
        target.note("hover");
        target.hover(window->chart(), point);
    } else {
        target.click(window->chart(), point);
    }
}

void press_key_in_chart(ActionTarget& target) {
    ChartWindow* window = shown_chart(target);
    if (window == nullptr) {
        return;
    }
    const Qt::Key key =
        chart_keys[static_cast<std::size_t>(target.random().below(chart_keys.size()))];
    target.note(QKeySequence(key).toString().toStdString());
    target.press(window->chart(), key);
}

void close_chart(ActionTarget& target) {
    ChartWindow* window = shown_chart(target);
    if (window == nullptr) {
        return;
    }
    if (target.random().percent(50)) {
        target.note("with Escape");
        target.press(window->chart(), Qt::Key_Escape);
    } else {
        target.note("with the close box");
        window->close();
    }
}

void export_lists(ActionTarget& target) {
    const QString file =
        target.random().percent(20)
            ? QString()
            : QDir(target.files().directory()).filePath(QStringLiteral("elenco.csv"));
    target.note(file.isEmpty() ? "and cancel" : ActionTarget::quoted(QFileInfo(file).fileName()));
    const FileDialogAnswer answer(file);
    target.press(target.keyboard_receiver(), Qt::Key_S, Qt::ControlModifier);
}
