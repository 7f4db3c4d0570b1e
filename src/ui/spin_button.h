#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A small up/down control beside a number box: its arrows, and the Up and Down keys in the
// box, step the box's integer by one within the range and write it back as plain digits.
// It takes no keyboard focus and does not limit what is typed.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    SpinButton(QLineEdit* buddy, QWidget* parent);

    void set_range(int lower, int upper);
    int lower() const { return lower_; }
    int upper() const { return upper_; }

    // Moves the buddy's value by delta steps, clamped to the range.
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int lower_ = 0;
    int upper_ = 100;
    // The last value written, used when the box holds no integer.
    int position_ = 0;
};
