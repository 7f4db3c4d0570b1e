#include "message_box.h"

void show_message(QWidget* parent, const QString& text, const QString& caption,
                  QMessageBox::Icon icon) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("message_box"));
    box.exec();
}
