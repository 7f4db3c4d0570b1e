#include "file_dialog_answer.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>

FileDialogAnswer::FileDialogAnswer(QString file) : file_(std::move(file)) {
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
