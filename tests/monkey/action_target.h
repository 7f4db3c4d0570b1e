#pragma once

#include <string>

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "monkey_random.h"

class ActionLog;
class QListView;
class SessionFiles;

// What an action works on: the window, the run's chance, and the log that notes what the
// action does. Its helpers act as the user does, through the mouse and the keyboard.
class ActionTarget {
public:
    ActionTarget(QDialog& dialog, MonkeyRandom& random, ActionLog& log, const SessionFiles& files);

    QDialog& dialog() { return dialog_; }
    MonkeyRandom& random() { return random_; }
    const SessionFiles& files() const { return files_; }
    // Adds a detail to the log line of this action.
    void note(const std::string& detail);
    // The action saw the window fail, for a reason its note gives.
    void fail_action() { failed_ = true; }
    bool failed() const { return failed_; }

    // The window's visible, enabled widgets of the type, in creation order.
    template <typename Widget> QList<Widget*> controls() const {
        QList<Widget*> found;
        for (Widget* widget : dialog_.findChildren<Widget*>()) {
            if (widget->isVisible() && widget->isEnabled()) {
                found.append(widget);
            }
        }
        return found;
    }
    // One of them; nullptr when there is none.
    template <typename Widget> Widget* pick_control() {
        const QList<Widget*> found = controls<Widget>();
        return found.isEmpty() ? nullptr : found[random_.below(static_cast<int>(found.size()))];
    }

    // The list of the page on show.
    QListView* current_list() const;
    // Where the keyboard goes: the focus widget, or the window when nothing has the focus.
    QWidget* keyboard_receiver() const;

    // Each of these fails the action, sending nothing, when the widget is hidden.
    void click(QWidget* widget, QPoint point, Qt::MouseButton button = Qt::LeftButton);
    void double_click(QWidget* widget, QPoint point);
    // The mouse rests at the point long enough for a tooltip.
    void hover(QWidget* widget, QPoint point);
    void press(QWidget* receiver, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // Types each character (a pair of surrogates as one) into the receiver as a key press.
    void type(QWidget* receiver, const QString& text);

    // The widget's name and text in a form the log can hold.
    static std::string describe(const QWidget* widget);
    static std::string quoted(const QString& text);

private:
    bool shows(const QWidget* widget);

    QDialog& dialog_;
    MonkeyRandom& random_;
    ActionLog& log_;
    const SessionFiles& files_;
    bool failed_ = false;
};
