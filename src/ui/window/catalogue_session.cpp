#include "catalogue_session.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "ui/app/app_identity.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

namespace {

// A modal box (a message, the file dialog) owns the user's attention; a change on disk
// waits until it is closed, so that no second box opens over it.
constexpr int busy_retry_ms = 500;

// The one local file a drag carries, or an empty text.
QString dropped_file(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

CatalogueSession::CatalogueSession(CatalogueFile file, QWidget* window)
    : QObject(window), window_(window), file_(std::move(file)) {
    setObjectName(QStringLiteral("catalogue_session"));
    connect(add_command("open_action", QStringLiteral("&Apri catalogo\u2026"), QKeySequence::Open),
            &QAction::triggered, this, &CatalogueSession::on_open);
    connect(add_command("reload_action", QStringLiteral("&Ricarica"), QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &CatalogueSession::reload);
    connect(&watcher_, &CatalogueWatcher::changed, this, [this] {
        reload_pending_ = true;
        reload_when_free();
    });
    // A file dropped anywhere on the window opens it.
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QAction* CatalogueSession::add_command(const char* name, const QString& text,
                                       const QKeySequence& keys) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    return action;
}

torvane::ReadStatus CatalogueSession::read_first() {
    const torvane::ReadStatus status = [this] {
        const WaitCursor busy;
        return file_.read_once();
    }();
    if (status == torvane::ReadStatus::read) {
        last_catalogue_ = file_.path();
        shows_a_reading_ = true;
    }
    watcher_.watch(file_.path());
    return status;
}

bool CatalogueSession::open(const QString& path) {
    const std::shared_ptr<const torvane::Catalogue> previous = file_.catalogue();
    // A reading of the file shown, not the empty catalogue of a file that could not be read.
    const bool same_file = shows_a_reading_ && catalogue_file_path(path) == file_.path();
    const torvane::ReadStatus status = [&] {
        const WaitCursor busy;
        return file_.read(path);
    }();
    if (status != torvane::ReadStatus::read) {
        show_message(window_, read_failure_message(catalogue_file_path(path), status),
                     program_title(), QMessageBox::Warning);
        return false;
    }
    last_catalogue_ = file_.path();
    watcher_.watch(file_.path());
    shows_a_reading_ = true;
    emit catalogue_replaced(previous, same_file);
    return true;
}

bool CatalogueSession::reload() {
    return open(file_.path());
}

QString CatalogueSession::title() const {
    QString title = program_title();
    if (!file_.is_default()) {
        title += QStringLiteral(" \u2014 ") + QFileInfo(file_.path()).fileName();
    }
    return title;
}

void CatalogueSession::on_open() {
    // In the folder of the catalogue read last, or of the one looked for when none was.
    const QString near = last_catalogue_.isEmpty() ? file_.path() : last_catalogue_;
    QFileDialog dialog(window_, QStringLiteral("Apri un catalogo"), QFileInfo(near).absolutePath(),
                       QStringLiteral("Cataloghi (*.dat);;Tutti i file (*)"));
    dialog.setObjectName(QStringLiteral("open_dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        open(dialog.selectedFiles().first());
    }
}

bool CatalogueSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!dropped_file(enter->mimeData()).isEmpty()) {
            enter->acceptProposedAction();
        }
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = dropped_file(drop->mimeData());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            // Not inside the drop: the source of the drag waits for it to end.
            QTimer::singleShot(0, this, [this, path] { open(path); });
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CatalogueSession::reload_when_free() {
    if (!reload_pending_) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(busy_retry_ms, this, &CatalogueSession::reload_when_free);
        return;
    }
    reload_pending_ = false;
    reload();
}
