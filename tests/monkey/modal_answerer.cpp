#include "modal_answerer.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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
    // Other modal dialogs (a file dialog to open a catalogue, once the window has one) get
    // their answer here too.
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
