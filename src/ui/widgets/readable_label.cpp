#include "readable_label.h"

#include <QAccessible>

#include "ui/widgets/readable_label_accessible.h"

ReadableLabel::ReadableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QAccessible::installFactory(&readable_label_accessible);
}

void ReadableLabel::show_text(const QString& text) {
    const QString old = this->text();
    if (text == old) {
        return;
    }
    setText(text);
    // The label's name is its text, so both change; Qt tells neither for a label that has an
    // accessible name of its own.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleTextUpdateEvent rewritten(this, 0, old, text);
    QAccessible::updateAccessibility(&rewritten);
}
