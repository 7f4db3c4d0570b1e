// Exporting what the lists show, as CSV for spreadsheets, to a file the user names.
#include <algorithm>

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "app_identity.h"
#include "catalogue_file.h"
#include "line_list_view.h"
#include "list_export.h"
#include "main_dialog.h"
#include "message_box.h"
#include "query/page_lines.h"
#include "wait_cursor.h"

QAction* MainDialog::create_export_action() {
    auto* action = new QAction(QStringLiteral("Esp&orta elenco\u2026"), this);
    action->setObjectName(QStringLiteral("export_lists_action"));
    // Ctrl+S from anywhere in the window, and shown beside the entry of the lists' menu.
    action->setShortcut(QKeySequence::Save);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);
    connect(action, &QAction::triggered, this, &MainDialog::on_export);
    return action;
}

std::vector<const torvane::Item*> MainDialog::shown_records() const {
    std::vector<const torvane::Item*> records;
    for (const LineListView* list : lists_) {
        const std::vector<const torvane::Item*> page =
            torvane::records_of(std::span(&list->lines(), 1));
        records.insert(records.end(), page.begin(), page.end());
    }
    return records;
}

bool MainDialog::shows_items() const {
    return std::any_of(lists_.begin(), lists_.end(),
                       [](const LineListView* list) { return list->lines().size() > 0; });
}

void MainDialog::on_export() {
    // Lists that show nothing have nothing to export; their menu entry is disabled.
    if (!shows_items()) {
        return;
    }
    const QFileInfo catalogue(catalogue_.path());
    QFileDialog dialog(
        this, QStringLiteral("Esporta elenco"),
        catalogue.dir().filePath(catalogue.completeBaseName() + QStringLiteral(".csv")),
        QStringLiteral("CSV (*.csv)"));
    dialog.setObjectName(QStringLiteral("export_dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Added before the dialog asks whether to replace a file, so that it asks about the
    // file that will be written.
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString target = dialog.selectedFiles().first();
    // A dialog of the desktop may leave the suffix to the program.
    if (QFileInfo(target).suffix().isEmpty()) {
        target += QStringLiteral(".csv");
    }
    export_lists_to(target);
}

bool MainDialog::export_lists_to(const QString& target) {
    const ListExportResult result = [&] {
        const WaitCursor busy;
        return export_records(shown_records(), target, catalogue_.path());
    }();
    if (result.status != ListExportStatus::written) {
        show_message(this, list_export_message(target, result), program_title(),
                     QMessageBox::Warning);
        return false;
    }
    return true;
}
