// The window's keys beyond its controls' own: opening and reading again a catalogue, and
// moving between the pages from anywhere in the window, as a tabbed window does.
#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>

#include "catalogue_watcher.h"
#include "main_dialog.h"

void MainDialog::create_shortcuts() {
    const auto add = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence::Open, &MainDialog::on_open);
    add(QKeySequence(Qt::Key_F5), &MainDialog::reload_catalogue);
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { switch_page(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { switch_page(1); });
    // Shift turns Tab into Backtab.
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { switch_page(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { switch_page(-1); });

    connect(watcher_, &CatalogueWatcher::changed, this, [this] {
        reload_pending_ = true;
        reload_when_free();
    });
}

void MainDialog::switch_page(int step) {
    const int count = tab_bar_->count();
    if (count > 0) {
        tab_bar_->setCurrentIndex(((tab_bar_->currentIndex() + step) % count + count) % count);
    }
}
