// The catalogue: opening another file by the file dialog or by dropping it, reading the shown
// file again with F5, and changing or removing that file on disk behind the window's back.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "action_target.h"
#include "file_dialog_answer.h"
#include "monkey_actions.h"
#include "session_files.h"
#include "ui/window/main_dialog.h"
#include "window_invariants.h"

namespace {

// How long the window may take to notice a saved file; it only bounds a hang, the watch
// itself waits a fraction of a second.
constexpr int reread_limit_ms = 20000;

MainDialog& window_of(ActionTarget& target) {
    return static_cast<MainDialog&>(target.dialog());
}

} // namespace

void open_with_dialog(ActionTarget& target) {
    const QString file =
        target.random().percent(20) ? QString() : target.files().pick(target.random(), true);
    target.note(file.isEmpty() ? "and cancel" : ActionTarget::quoted(QFileInfo(file).fileName()));
    const FileDialogAnswer answer(file);
    target.press(target.keyboard_receiver(), Qt::Key_O, Qt::ControlModifier);
}

void drop_file(ActionTarget& target) {
    const QString file = target.files().pick(target.random(), false);
    target.note(ActionTarget::quoted(QFileInfo(file).fileName()));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint point(target.random().below(std::max(1, target.dialog().width())),
                       target.random().below(std::max(1, target.dialog().height())));
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target.dialog(), &enter);
    if (enter.isAccepted()) {
        QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target.dialog(), &drop);
        // The window opens a dropped file once the drop is over, from its event loop.
        QApplication::processEvents();
    }
}

void press_reload(ActionTarget& target) {
    target.press(target.keyboard_receiver(), Qt::Key_F5);
}

void save_shown_file(ActionTarget& target) {
    MainDialog& window = window_of(target);
    QEventLoop reread;
    QObject::connect(&window, &MainDialog::catalogue_read, &reread, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &reread, [&reread] { reread.exit(1); });
    if (!target.files().save_version(shown_file(window), target.random())) {
        target.note("could not write the file");
        return;
    }
    // The window reads the file again on its own; the next action waits for it, so that the
    // run does not depend on how soon the watch tells it.
    limit.start(reread_limit_ms);
    if (reread.exec() != 0) {
        target.note("and the window never read it again");
        target.fail_action();
    }
}

void remove_shown_file(ActionTarget& target) {
    QFile::remove(shown_file(window_of(target)));
}
