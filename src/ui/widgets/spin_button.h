#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A small up/down control beside a number box: its arrows, the Up and Down keys and the mouse
// wheel in the box step the box's integer by one, Page Up and Page Down by ten, always within
// the range, and write it back as plain digits. An arrow held down steps faster and faster.
// It takes no keyboard focus and does not limit what is typed. Screen readers meet it as one
// spin button named after its box, whose value is the box's number and which controls the box.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int page_step = 10;

    SpinButton(QLineEdit* buddy, QWidget* parent);

    void set_range(int lower, int upper);
    int lower() const { return lower_; }
    int upper() const { return upper_; }
    QLineEdit* buddy() const { return buddy_; }

    // The number in the box, within the 32-bit range; the last one written when the box holds
    // none.
    int value() const;
    // Writes the value, clamped to the range, into the box.
    void set_value(int value);
    // Moves the buddy's value by delta steps, clamped to the range.
    void step(int delta);
    // Names the control and its arrows for assistive technologies after the box they step.
    void describe(const QString& box_name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // One click of an arrow: a step of one, or, while the arrow is held and repeats, of more.
    void arrow_clicked(QToolButton* arrow, int direction);
    // Steps by whole wheel notches; a touchpad's small moves add up to one.
    bool wheel(const QWheelEvent* event);
    // The box's number as typed, however large; the last one written when it holds none.
    long long typed_value() const;

    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int lower_ = 0;
    int upper_ = 100;
    // The last value written, used when the box holds no integer.
    int position_ = 0;
    // Repeats of the arrow held down so far.
    int repeats_ = 0;
    int wheel_angle_ = 0;
};
