#include "spin_button.h"

#include <algorithm>
#include <charconv>

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

QToolButton* make_arrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRaise(false);
    return button;
}

} // namespace

SpinButton::SpinButton(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(make_arrow(Qt::UpArrow, this)),
      down_(make_arrow(Qt::DownArrow, this)) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    buddy_->installEventFilter(this);
}

void SpinButton::set_range(int lower, int upper) {
    lower_ = std::min(lower, upper);
    upper_ = std::max(lower, upper);
    position_ = std::clamp(position_, lower_, upper_);
}

void SpinButton::step(int delta) {
    const QByteArray digits = buddy_->text().trimmed().toLatin1();
    long long value = position_;
    long long parsed = 0;
    const auto [end, error] =
        std::from_chars(digits.constData(), digits.constData() + digits.size(), parsed);
    if (error == std::errc() && end == digits.constData() + digits.size() && !digits.isEmpty()) {
        value = parsed;
    } else if (error == std::errc::result_out_of_range) {
        value = digits.startsWith('-') ? lower_ : upper_;
    }
    value = std::clamp<long long>(value + delta, lower_, upper_);
    position_ = static_cast<int>(value);
    buddy_->setText(QString::number(position_));
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
