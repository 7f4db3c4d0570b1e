#include "action_target.h"

#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QPointer>
#include <QTest>

#include "action_log.h"

ActionTarget::ActionTarget(QDialog& dialog, MonkeyRandom& random, ActionLog& log,
                           const SessionFiles& files)
    : dialog_(dialog), random_(random), log_(log), files_(files) {
}

void ActionTarget::note(const std::string& detail) {
    log_.amend(detail);
}

QListView* ActionTarget::current_list() const {
    for (QListView* list : dialog_.findChildren<QListView*>()) {
        if (list->isVisible()) {
            return list;
        }
    }
    return nullptr;
}

QWidget* ActionTarget::keyboard_receiver() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &dialog_;
}

bool ActionTarget::shows(const QWidget* widget) {
    // The user reaches only what shows: a list of a page not on show, say, takes no click, and
    // the keyboard never goes to a hidden control unless the window left the focus there.
    if (widget->isVisible()) {
        return true;
    }
    note("but " + describe(widget) + " is hidden");
    fail_action();
    return false;
}

void ActionTarget::click(QWidget* widget, QPoint point, Qt::MouseButton button) {
    if (shows(widget)) {
        QTest::mouseClick(widget, button, {}, point);
    }
}

void ActionTarget::double_click(QWidget* widget, QPoint point) {
    // As the mouse does it: a click, then the second press as a double click, then its
    // release. QTest's double click alone lacks the first press, which picks the line.
    if (!shows(widget)) {
        return;
    }
    const QPointer<QWidget> guard(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    for (const QTest::MouseAction half : {QTest::MouseDClick, QTest::MouseRelease}) {
        if (guard == nullptr || !guard->isVisible()) {
            return;
        }
        QTest::mouseEvent(half, widget, Qt::LeftButton, {}, point);
    }
}

void ActionTarget::hover(QWidget* widget, QPoint point) {
    if (!shows(widget)) {
        return;
    }
    QHelpEvent tooltip(QEvent::ToolTip, point, widget->mapToGlobal(point));
    QApplication::sendEvent(widget, &tooltip);
}

void ActionTarget::press(QWidget* receiver, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (shows(receiver)) {
        QTest::keyClick(receiver, key, modifiers);
    }
}

void ActionTarget::type(QWidget* receiver, const QString& text) {
    if (!shows(receiver)) {
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        const char16_t code = character[0].toUpper().unicode();
        const auto key = code < 0x7F ? static_cast<Qt::Key>(code) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, receiver, key, character, Qt::NoModifier);
        i += length - 1;
    }
}

std::string ActionTarget::describe(const QWidget* widget) {
    if (widget == nullptr) {
        return "(none)";
    }
    const QString name = widget->objectName();
    return name.isEmpty() ? std::string(widget->metaObject()->className()) : name.toStdString();
}

std::string ActionTarget::quoted(const QString& text) {
    // Control and non-ASCII characters as \u escapes, so the log stays one plain line.
    std::string result = "\"";
    for (const QChar c : text.left(80)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'"' && c != u'\\') {
            result += static_cast<char>(c.unicode());
        } else {
            result +=
                QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toStdString();
        }
    }
    result += "\"";
    if (text.size() > 80) {
        result += " (" + std::to_string(text.size()) + " characters)";
    }
    return result;
}
