// The real program, started as main() starts it, with one user session played into its
// window once it is up: a minimum-level filter, a search, every sort, every page, a
// selection and a double click, then the window is closed. scripts/memcheck.sh runs it
// under valgrind on the sample catalogue. Exits with 0 when every control was found and
// the window closed normally.
#include <cstdio>
#include <functional>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QEvent>
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
#include "ui/window/main_dialog.h"

namespace {

bool session_failed = false;

// Runs the action once, from the event loop that is running then.
void soon(const std::function<void()>& action) {
    QTimer::singleShot(0, QApplication::instance(), action);
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

// Answers each message box with OK as soon as it shows, from inside its own event loop:
// no delay to guess, however busy the machine.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer() { QApplication::instance()->installEventFilter(this); }
    int answered() const { return answered_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            ++answered_;
            QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int answered_ = 0;
};

// Runs the action, which must open exactly one message box.
void answering_message_box(const std::function<void()>& action) {
    const MessageBoxAnswerer answerer;
    action();
    if (answerer.answered() != 1) {
        std::fprintf(stderr, "window_session: %d message boxes instead of one\n",
                     answerer.answered());
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

// Plays the session in the window that the program's start-up opened: the first event the
// loop handles comes after the window has initialised and shown itself.
void play_in_shown_window() {
    MainDialog* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MainDialog*>(widget);
            window != nullptr && window->isVisible()) {
            dialog = window;
        }
    }
    if (dialog == nullptr) {
        std::fprintf(stderr, "window_session: the window is not open\n");
        session_failed = true;
        QApplication::exit(1);
        return;
    }
    play_session(*dialog);
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    DatabaseApp app(argc, argv);
    soon(play_in_shown_window);
    const int result = app.run();
    return session_failed ? 2 : result;
}
