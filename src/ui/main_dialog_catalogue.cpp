// Opening another catalogue file, reading the shown one again when it changes, and keeping
// what the window shows across the change.
#include <optional>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTabBar>
#include <QTimer>

#include "app_identity.h"
#include "catalogue_file.h"
#include "catalogue_watcher.h"
#include "focus_edit.h"
#include "line_list_view.h"
#include "main_dialog.h"
#include "message_box.h"
#include "text_1252_codec.h"
#include "wait_cursor.h"

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

void MainDialog::on_open() {
    // In the folder of the catalogue read last, or of the one looked for when none was.
    const QString near = last_catalogue_.isEmpty() ? catalogue_.path() : last_catalogue_;
    QFileDialog dialog(this, QStringLiteral("Apri un catalogo"), QFileInfo(near).absolutePath(),
                       QStringLiteral("Cataloghi (*.dat);;Tutti i file (*)"));
    dialog.setObjectName(QStringLiteral("open_dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        open_catalogue(dialog.selectedFiles().first());
    }
}

bool MainDialog::open_catalogue(const QString& path) {
    const torvane::ReadStatus status = [&] {
        const WaitCursor busy;
        return catalogue_.read(path);
    }();
    if (status != torvane::ReadStatus::read) {
        show_message(this, read_failure_message(catalogue_file_path(path), status), program_title(),
                     QMessageBox::Warning);
        return false;
    }
    show_replaced_catalogue();
    last_catalogue_ = catalogue_.path();
    watcher_->watch(catalogue_.path());
    update_title();
    emit catalogue_read();
    return true;
}

const QString& MainDialog::catalogue_path() const {
    return catalogue_.path();
}

bool MainDialog::reload_catalogue() {
    return open_catalogue(catalogue_.path());
}

void MainDialog::show_replaced_catalogue() {
    // The boxes keep what the user typed, even what no action has read yet.
    std::vector<std::pair<QLineEdit*, QString>> typed;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        typed.emplace_back(edit, edit->text());
    }
    // Each list's selection, by what it shows of the old records, which its lines keep.
    std::array<std::optional<torvane::PageLines::Key>, page_count> selected;
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        const int row = lists_[page]->current_selection();
        if (row >= 0) {
            selected[page] = lists_[page]->lines().key(static_cast<std::size_t>(row));
        }
    }

    form_.loaded_text = "Oggetti Caricati: " + std::to_string(catalogue_.catalogue().size());
    view_.set_catalogue(catalogue_.shared_catalogue());
    if (showing_hint_) {
        form_.description_text.clear();
        showing_hint_ = false;
    }
    show_query(shown_query_);
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        const std::optional<std::size_t> row =
            selected[page] ? lists_[page]->lines().find(*selected[page]) : std::nullopt;
        lists_[page]->select_quietly(row ? static_cast<int>(*row) : -1);
    }
    describe_picked_line_again();
    update_data(false);
    for (const auto& [edit, text] : typed) {
        edit->setText(text);
    }
}

void MainDialog::describe_picked_line_again() {
    // The line the user picked last, on whichever page, not the page on show: its text may
    // have changed, and its row. A line the new lists do not show (gone from the file, or
    // filtered out) takes the description with it, so that nothing of the old file stays.
    if (!picked_line_) {
        return;
    }
    const LineListView* list = lists_[picked_line_->page];
    const std::optional<std::size_t> row = list->lines().find(picked_line_->key);
    if (!row || !list->line_text(static_cast<int>(*row), form_.description_text)) {
        form_.description_text.clear();
        picked_line_.reset();
    }
}

void MainDialog::update_title() {
    QString title = program_title();
    if (!catalogue_.is_default()) {
        title += QStringLiteral(" \u2014 ") + QFileInfo(catalogue_.path()).fileName();
    }
    setWindowTitle(title);
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainDialog::dropEvent(QDropEvent* event) {
    const QString path = dropped_file(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Not inside the drop: the source of the drag waits for it to end.
    QTimer::singleShot(0, this, [this, path] { open_catalogue(path); });
}

void MainDialog::reload_when_free() {
    if (!reload_pending_) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(busy_retry_ms, this, &MainDialog::reload_when_free);
        return;
    }
    reload_pending_ = false;
    reload_catalogue();
}
