#include "modal_answerer.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>

ModalAnswerer::ModalAnswerer() {
    QApplication::instance()->installEventFilter(this);
}

ModalAnswerer::~ModalAnswerer() {
    QApplication::instance()->removeEventFilter(this);
}

int ModalAnswerer::open_boxes() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QWidget* window) {
        return qobject_cast<QMessageBox*>(window) != nullptr && window->isVisible();
    }));
}

QString ModalAnswerer::open_box_text() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible()) {
            return box->text();
        }
    }
    return {};
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event) {
    // A file dialog that no action answers (one a context menu's entry opened) is cancelled,
    // as the user would; one that an action answers is closed by then, and left alone.
    if (auto* files = qobject_cast<QFileDialog*>(watched);
        files != nullptr && event->type() == QEvent::Show) {
        QMetaObject::invokeMethod(
            files,
            [files] {
                if (files->isVisible()) {
                    files->reject();
                }
            },
            Qt::QueuedConnection);
    }
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
        ++answered_;
        most_open_ = std::max(most_open_, open_boxes());
        QMetaObject::invokeMethod(
            box,
            [box] {
                if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                } else {
                    box->reject();
                }
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
