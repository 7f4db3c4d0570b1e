// The page lists' context menu. It copies the selected line (as Ctrl+C in a list does); the
// export of the lists and their chart join it as entries of their own, each with its keys.
#include <QAction>
#include <QMenu>
#include <QTabBar>

#include "line_list_view.h"
#include "main_dialog.h"

void MainDialog::create_list_menu() {
    auto* copy = new QAction(QStringLiteral("&Copia"), this);
    copy->setObjectName(QStringLiteral("copy_line_action"));
    // Shown in the menu only: each list takes Ctrl+C itself, for its own line.
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutVisibleInContextMenu(true);
    connect(copy, &QAction::triggered, this, [this] {
        lists_[static_cast<std::size_t>(tab_bar_->currentIndex())]->copy_selected_line();
    });
    list_menu_actions_ = {copy, create_export_action(), link_chart()};

    for (LineListView* list : lists_) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint& at) { show_list_menu(list, at); });
    }
}

void MainDialog::show_list_menu(LineListView* list, const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("list_menu"));
    list_menu_actions_.front()->setEnabled(list->current_selection() >= 0);
    list_menu_actions_[1]->setEnabled(shows_items());
    for (QAction* action : list_menu_actions_) {
        menu.addAction(action);
    }
    menu.exec(list->viewport()->mapToGlobal(at));
}
