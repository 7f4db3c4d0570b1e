#include "focus_edit.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

FocusEdit::FocusEdit(QWidget* parent) : QLineEdit(parent) {
}

void FocusEdit::set_digits_only() {
    // Typing admits digits alone, as a number box does; reading the box (parse_form_int) also
    // takes blanks and a sign, which only text set by the program can hold.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void FocusEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        emit focus_gained();
    }
}

void FocusEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        emit focus_lost();
    }
}
