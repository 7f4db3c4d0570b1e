#include "export_command.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/app/app_identity.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/window/catalogue_session.h"
#include "ui/window/list_export.h"
#include "ui/window/page_lists.h"

ExportCommand::ExportCommand(const PageLists& lists, const CatalogueSession& session,
                             QWidget* window)
    : QObject(window), lists_(lists), session_(session), window_(window),
      action_(new QAction(QStringLiteral("Esp&orta elenco\u2026"), this)) {
    setObjectName(QStringLiteral("export_command"));
    action_->setObjectName(QStringLiteral("export_lists_action"));
    // Ctrl+S from anywhere in the window, and shown beside the entry of the lists' menu.
    action_->setShortcut(QKeySequence::Save);
    action_->setShortcutContext(Qt::WindowShortcut);
    action_->setShortcutVisibleInContextMenu(true);
    window->addAction(action_);
    connect(action_, &QAction::triggered, this, &ExportCommand::on_export);
    // Lists that show nothing have nothing to export.
    action_->setEnabled(lists.shows_items());
    connect(&lists, &PageLists::lines_replaced, this,
            [this] { action_->setEnabled(lists_.shows_items()); });
}

void ExportCommand::on_export() {
    const QFileInfo catalogue(session_.path());
    QFileDialog dialog(
        window_, QStringLiteral("Esporta elenco"),
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
    export_to(target);
}

bool ExportCommand::export_to(const QString& target) {
    const ListExportResult result = [&] {
        const WaitCursor busy;
        return export_records(lists_.shown_records(), target, session_.path());
    }();
    if (result.status != ListExportStatus::written) {
        show_message(window_, list_export_message(target, result), program_title(),
                     QMessageBox::Warning);
        return false;
    }
    return true;
}
