#pragma once

#include <QMessageBox>
#include <QString>

// A modal box with one OK button that shows its text literally, never as rich text.
void show_message(QWidget* parent, const QString& text, const QString& caption,
                  QMessageBox::Icon icon = QMessageBox::NoIcon);
