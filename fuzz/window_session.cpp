// The real program, started as main() starts it, with one user session played into its
// window once it is up: a minimum-level filter, a search, every sort, every page, a
// selection and a double click, then the window is closed. scripts/memcheck.sh runs it
// under valgrind on the sample catalogue. Exits with 0 when every control was found and
// the window closed normally.
#include <cstdio>
#include <functional>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "ui/database_app.h"
#include "ui/main_dialog.h"

namespace {

bool session_failed = false;

// Runs the action once, after the delay, from the event loop that is running then.
void after(int milliseconds, const std::function<void()>& action) {
    auto* timer = new QTimer(QApplication::instance()); // the application owns it
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        timer->deleteLater();
        action();
    });
    timer->start(milliseconds);
}

template <typename Widget> Widget* control(MainDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        std::fprintf(stderr, "window_session: no control named %s\n", name);
        session_failed = true;
    }
    return widget;
}

QString label_text(MainDialog& dialog, const char* name) {
    const auto* label = control<QLabel>(dialog, name);
    return label != nullptr ? label->text() : QString();
}

// Answers the message box that the action opens with OK.
void answering_message_box(const std::function<void()>& action) {
    bool answered = false;
    after(100, [&answered] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
            answered = true;
        }
    });
    action();
    if (!answered) {
        std::fprintf(stderr, "window_session: no message box to answer\n");
        session_failed = true;
    }
}

// Clicks the line of the list, as the user selects it, then double-clicks it, which shows
// the line in a message box.
void pick_line(MainDialog& dialog, const char* list_name, int row) {
    auto* list = control<QListView>(dialog, list_name);
    if (list == nullptr || list->model()->rowCount() <= row) {
        session_failed = true;
        return;
    }
    const QPoint point = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    answering_message_box(
        [list, point] { QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point); });
}

void play_session(MainDialog& dialog) {
    std::printf("loaded: %s\n", qPrintable(label_text(dialog, "loaded_label")));

    if (auto* level = control<QLineEdit>(dialog, "level_min_edit")) {
        level->setText(QStringLiteral("5"));
    }
    if (auto* min_check = control<QCheckBox>(dialog, "min_check")) {
        min_check->setChecked(true);
    }
    if (auto* filter = control<QPushButton>(dialog, "filter_button")) {
        filter->click();
    }
    std::printf("after filter: %s\n", qPrintable(label_text(dialog, "found_label")));

    if (auto* search = control<QLineEdit>(dialog, "search_edit")) {
        search->setText(QStringLiteral("Spada"));
    }
    if (auto* search_button = control<QPushButton>(dialog, "search_button")) {
        search_button->click();
    }
    std::printf("after search: %s\n", qPrintable(label_text(dialog, "found_label")));

    for (const char* radio : {"sort_efficacy_radio", "sort_requirement_radio", "sort_name_radio"}) {
        if (auto* button = control<QRadioButton>(dialog, radio)) {
            button->click();
        }
    }
    if (auto* tabs = control<QTabBar>(dialog, "tab_control")) {
        for (int page = tabs->count() - 1; page >= 0; --page) {
            tabs->setCurrentIndex(page);
        }
    }
    pick_line(dialog, "weapons_list", 1);
    std::printf("description: %s\n", qPrintable(label_text(dialog, "description_label")));

    if (auto* exit = control<QPushButton>(dialog, "exit_button")) {
        exit->click();
    } else {
        dialog.reject();
    }
}

// Waits for the window that the program's start-up opens, then plays the session in it.
void play_when_shown(int attempts_left) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<MainDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible()) {
            play_session(*dialog);
            return;
        }
    }
    if (attempts_left == 0) {
        std::fprintf(stderr, "window_session: the window never opened\n");
        session_failed = true;
        QApplication::exit(1);
        return;
    }
    after(100, [attempts_left] { play_when_shown(attempts_left - 1); });
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    DatabaseApp app(argc, argv);
    after(0, [] { play_when_shown(600); });
    const int result = app.run();
    return session_failed ? 2 : result;
}
