#include "file_dialog_answer.h"

#include <utility>

#include <QApplication>
#include <QEvent>
#include <QFileDialog>

FileDialogAnswer::FileDialogAnswer(QString file) : file_(std::move(file)) {
    // Installed after the run's ModalAnswerer, so this filter sees the dialog first and its
    // answer comes before the answerer's, which then finds the dialog closed.
    QApplication::instance()->installEventFilter(this);
}

FileDialogAnswer::~FileDialogAnswer() {
    QApplication::instance()->removeEventFilter(this);
}

bool FileDialogAnswer::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QFileDialog*>(watched);
    if (dialog != nullptr && event->type() == QEvent::Show) {
        QMetaObject::invokeMethod(
            dialog,
            [dialog, file = file_] {
                if (file.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
