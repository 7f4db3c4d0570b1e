#include "spin_button.h"

#include <algorithm>
#include <limits>

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

#include "ui/widgets/form_int.h"
#include "ui/widgets/spin_button_accessible.h"

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int wheel_notch = 120;

QToolButton* make_arrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRaise(false);
    return button;
}

// The step of a held arrow after some repeats: one for about a second, then a hundredth of
// the range, then a twentieth, so that crossing even the widest range takes seconds.
int accelerated_step(int repeats, int range) {
    if (repeats < 10) {
        return 1;
    }
    if (repeats < 20) {
        return std::max(1, range / 100);
    }
    return std::max(1, range / 20);
}

} // namespace

SpinButton::SpinButton(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(make_arrow(Qt::UpArrow, this)),
      down_(make_arrow(Qt::DownArrow, this)) {
    setFocusPolicy(Qt::NoFocus);
    QAccessible::installFactory(&spin_button_accessible);
    connect(up_, &QToolButton::clicked, this, [this] { arrow_clicked(up_, 1); });
    connect(down_, &QToolButton::clicked, this, [this] { arrow_clicked(down_, -1); });
    // Whether typed, stepped or written by the form, the box's number is this control's value.
    connect(buddy_, &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent event(this, value());
        QAccessible::updateAccessibility(&event);
    });
    buddy_->installEventFilter(this);
}

void SpinButton::set_range(int lower, int upper) {
    lower_ = std::min(lower, upper);
    upper_ = std::max(lower, upper);
    position_ = std::clamp(position_, lower_, upper_);
}

long long SpinButton::typed_value() const {
    // The box's integer as the form reads it; a box that holds none steps from the last value
    // written. An integer beyond 32 bits saturates, and so lands at an end of the range.
    return parse_form_int(buddy_->text()).value_or(position_);
}

int SpinButton::value() const {
    return static_cast<int>(std::clamp<long long>(typed_value(), std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

void SpinButton::set_value(int value) {
    position_ = std::clamp(value, lower_, upper_);
    buddy_->setText(QString::number(position_));
}

void SpinButton::step(int delta) {
    set_value(static_cast<int>(std::clamp<long long>(typed_value() + delta, lower_, upper_)));
}

void SpinButton::describe(const QString& box_name) {
    setAccessibleName(box_name);
    setAccessibleDescription(QStringLiteral("Le frecce e i tasti Su, Giù, Pagina su e Pagina giù "
                                            "cambiano il valore della casella"));
    up_->setAccessibleName(QStringLiteral("Aumenta ") + box_name);
    down_->setAccessibleName(QStringLiteral("Diminuisci ") + box_name);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAccessibleDescription(
            QStringLiteral("Tenuto premuto, cambia il valore sempre più in fretta"));
    }
}

void SpinButton::arrow_clicked(QToolButton* arrow, int direction) {
    // A click that ends with the arrow released starts over; one of an arrow still held
    // down is a repeat.
    repeats_ = arrow->isDown() ? repeats_ + 1 : 0;
    step(direction * accelerated_step(repeats_, upper_ - lower_));
}

bool SpinButton::wheel(const QWheelEvent* event) {
    wheel_angle_ += event->angleDelta().y();
    const int notches = wheel_angle_ / wheel_notch;
    wheel_angle_ -= notches * wheel_notch;
    if (notches != 0) {
        step(notches);
    }
    return true;
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
            step(1);
            return true;
        case Qt::Key_Down:
            step(-1);
            return true;
        case Qt::Key_PageUp:
            step(page_step);
            return true;
        case Qt::Key_PageDown:
            step(-page_step);
            return true;
        default:
            break;
        }
    }
    if (watched == buddy_ && event->type() == QEvent::Wheel) {
        return wheel(static_cast<QWheelEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButton::wheelEvent(QWheelEvent* event) {
    wheel(event);
    event->accept();
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
