// The window as a whole: resizing it and closing it, which ends the monkey's session; and
// the popup menus that actions open.
#include <QApplication>
#include <QMenu>
#include <QPushButton>

#include "action_target.h"
#include "file_dialog_answer.h"
#include "monkey_actions.h"

void resize_window(ActionTarget& target) {
    // A window of a fixed size keeps it; a resizable one must keep its invariants at any size.
    const QSize size(target.random().between(100, 1600), target.random().between(80, 1200));
    target.note(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    target.dialog().resize(size);
}

void close_window(ActionTarget& target) {
    switch (target.random().below(3)) {
    case 0:
        if (auto* exit = target.dialog().findChild<QPushButton*>(QStringLiteral("exit_button"))) {
            target.note("with Esci");
            target.click(exit, exit->rect().center());
        }
        break;
    case 1:
        target.note("with Escape");
        target.press(target.keyboard_receiver(), Qt::Key_Escape);
        break;
    default:
        target.note("with the close box");
        target.dialog().close();
        break;
    }
}

void answer_popup(ActionTarget& target) {
    QWidget* popup = QApplication::activePopupWidget();
    auto* menu = qobject_cast<QMenu*>(popup);
    QList<QAction*> entries;
    if (menu != nullptr) {
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
                entries.append(action);
            }
        }
    }
    if (!entries.isEmpty() && target.random().percent(60)) {
        QAction* entry = entries[target.random().below(static_cast<int>(entries.size()))];
        target.note("then " + entry->text().toStdString());
        // An entry that asks for a file ("Esporta elenco…") is cancelled there, so that its
        // dialog never waits for an answer.
        const FileDialogAnswer cancel{QString()};
        target.click(menu, menu->actionGeometry(entry).center());
    } else if (popup != nullptr) {
        target.note("then Escape");
        target.press(popup, Qt::Key_Escape);
    }
    // A popup that ignores both closes as a click elsewhere would close it.
    if (popup != nullptr && QApplication::activePopupWidget() == popup) {
        popup->close();
    }
}
