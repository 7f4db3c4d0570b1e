#include "monkey.h"

#include <algorithm>
#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "action_table.h"
#include "action_target.h"
#include "monkey_actions.h"
#include "ui/database_app.h"
#include "ui/window/main_dialog.h"
#include "window_invariants.h"

namespace {

// An action that takes longer than this has hung the window.
constexpr std::chrono::seconds hang_limit{30};
constexpr int button_poll_ms = 10;

// A button pressed by its mnemonic stays down until its click: the window's own (Fi&ltra,
// &Cerca, the check and radio boxes), or one of a box over it.
bool button_held(const QWidget& window) {
    QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        buttons += modal->findChildren<QAbstractButton*>();
    }
    return std::any_of(buttons.begin(), buttons.end(),
                       [](const QAbstractButton* button) { return button->isDown(); });
}

} // namespace

Monkey::Monkey(DatabaseApp& app, const MonkeySettings& settings)
    : app_(app), settings_(settings), random_(settings.seed), archives_(settings.source_dir),
      files_(directory_.path(), archives_), log_(settings.seed), watchdog_(log_, hang_limit) {
}

Monkey::~Monkey() = default;

int Monkey::run() {
    if (!archives_.ready() || !directory_.isValid()) {
        std::fprintf(stderr, "monkey: no corpus under %s\n", qPrintable(settings_.source_dir));
        return 2;
    }
    const QString previous_directory = QDir::currentPath();
    QDir::setCurrent(directory_.path());
    // Each key typed into a list starts a new search, as after a pause: how fast the machine
    // plays the actions must not change what they do.
    QApplication::setKeyboardInputInterval(-1);
    start_ = std::chrono::steady_clock::now();
    while (!failed_ && !out_of_actions()) {
        if (!write_archive() || !files_.write(random_)) {
            fail("the archives could not be written in " + directory_.path().toStdString());
            break;
        }
        ++sessions_;
        watchdog_.arm();
        // Most sessions start as the program does without an argument; some on a file named
        // on the command line, which may not exist.
        const QString named = random_.percent(20) ? files_.pick(random_, false) : QString();
        if (!named.isEmpty()) {
            log_.add_note("started on " + ActionTarget::quoted(QFileInfo(named).fileName()));
        }
        QTimer::singleShot(0, this, &Monkey::begin_session);
        app_.run(named);
        invariants_.reset();
    }
    watchdog_.disarm();
    QDir::setCurrent(previous_directory);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::printf("monkey: seed %llu, %zu actions in %.1f s (%.1f actions/s), %d sessions, %d "
                "message boxes answered\n",
                static_cast<unsigned long long>(settings_.seed), log_.actions(), seconds,
                static_cast<double>(log_.actions()) / seconds, sessions_, answerer_.answered());
    return failed_ ? 1 : 0;
}

bool Monkey::write_archive() {
    const std::optional<QByteArray> archive = archives_.make(random_);
    QFile file(QStringLiteral("archive.dat"));
    file.remove();
    if (!archive) {
        log_.add_note("session " + std::to_string(sessions_ + 1) + " without an archive");
        return true;
    }
    log_.add_note("session " + std::to_string(sessions_ + 1) + " on an archive of " +
                  std::to_string(archive->size()) + " bytes");
    return file.open(QIODevice::WriteOnly) && file.write(*archive) == archive->size();
}

void Monkey::begin_session() {
    // The program's start-up opens its window and runs its loop; a message box about a named
    // file comes first, and the window once it is answered.
    dialog_ = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<MainDialog*>(window); main != nullptr && main->isVisible()) {
            dialog_ = main;
        }
    }
    if (dialog_ == nullptr) {
        QTimer::singleShot(button_poll_ms, this, &Monkey::begin_session);
        return;
    }
    dialog_->installEventFilter(this);
    invariants_ = std::make_unique<WindowInvariants>(*dialog_);
    session_actions_left_ = random_.between(20, 400);
    if (const std::string broken = invariants_->after_action(); !broken.empty()) {
        fail("at start-up: " + broken);
        return;
    }
    schedule_step();
}

bool Monkey::window_ready() const {
    return !button_held(*dialog_) && QApplication::activeModalWidget() == nullptr &&
           dialog_->isActiveWindow() && QApplication::focusWidget() != nullptr;
}

void Monkey::schedule_step() {
    watchdog_.arm();
    if (window_ready()) {
        QTimer::singleShot(0, this, &Monkey::step);
        return;
    }
    // A button pressed by its mnemonic clicks a moment later, from a timer: the next action
    // waits for that click, however long the machine takes to get to it. Actions played back
    // to back leave the event loop no idle moment for its timers, so without the wait the click
    // would come only in the next nested loop, such as the message box of a later double click.
    // A message box that such a click opens is answered in its own loop; until it closes, the
    // window is not the user's to click back. And the focus comes back a moment after the
    // window, from the platform's events: the user's keys wait for it too, or they would go
    // to the window or to a control by the machine's speed.
    if (button_held(*dialog_) || QApplication::activeModalWidget() != nullptr ||
        dialog_->isActiveWindow()) {
        QTimer::singleShot(button_poll_ms, this, &Monkey::schedule_step);
        return;
    }
    // Keys reach the controls only in the active window; the user clicks it back after a
    // message box, and the next action waits for that instead of for a guessed time.
    waiting_for_activation_ = true;
    dialog_->activateWindow();
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    // The window also passes its last events through here while it is destroyed: look at it
    // only for the activation that the next action waits for.
    if (event->type() == QEvent::WindowActivate && waiting_for_activation_ &&
        watched == dialog_.data()) {
        waiting_for_activation_ = false;
        QTimer::singleShot(0, this, &Monkey::schedule_step);
    }
    return QObject::eventFilter(watched, event);
}

void Monkey::step() {
    if (dialog_ == nullptr || !dialog_->isVisible()) {
        return;
    }
    watchdog_.arm();
    // A message box that a timer opened runs its own loop, which may get here first, and the
    // platform may take the window or the focus away again as a box closes: wait once more.
    if (!window_ready()) {
        schedule_step();
        return;
    }
    if (out_of_actions() || session_actions_left_ <= 0) {
        log_.add_note("session ends");
        dialog_->reject();
        return;
    }
    const MonkeyAction& action = pick_action(random_);
    log_.add_action(action.name);
    --session_actions_left_;
    ActionTarget target(*dialog_, random_, log_, files_);
    action.run(target);
    // A popup left open would take the next keys, and its timers the next clicks.
    for (int popups = 0; popups < 8 && QApplication::activePopupWidget() != nullptr; ++popups) {
        answer_popup(target);
    }
    std::string broken = target.failed() ? "the action failed" : invariants_->after_action();
    if (broken.empty() && answerer_.most_open_at_once() > 1) {
        broken = std::to_string(answerer_.most_open_at_once()) + " message boxes open at once";
    }
    if (!broken.empty()) {
        fail(broken);
        return;
    }
    if (dialog_ != nullptr && dialog_->isVisible()) {
        schedule_step();
    }
}

bool Monkey::out_of_actions() const {
    if (settings_.actions > 0) {
        return log_.actions() >= settings_.actions;
    }
    return std::chrono::steady_clock::now() - start_ >=
           std::chrono::duration<double>(settings_.seconds);
}

void Monkey::fail(const std::string& reason) {
    failed_ = true;
    log_.print_failure(reason);
    if (dialog_ != nullptr) {
        dialog_->reject();
    }
}
