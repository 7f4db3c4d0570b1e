#pragma once

#include <QLineEdit>

// An edit box that reports when it gains and loses the keyboard focus, so the window can
// move its default button. A context menu's brief focus change does not count.
class FocusEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FocusEdit(QWidget* parent = nullptr);

    // Accepts typed digits only, as a number box does.
    void set_digits_only();

signals:
    void focus_gained();
    void focus_lost();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
