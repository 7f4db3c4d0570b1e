#include "description_box.h"

#include <QEvent>
#include <QGroupBox>
#include <QScrollArea>

#include "ui/widgets/readable_label.h"
#include "ui/widgets/stretch_layout.h"

namespace {

// A group box's mnemonic only reaches the controls inside it. A frame that holds none
// passes the focus on to the next tab stop after it, as a label's mnemonic does.
class MnemonicToNextTabStop : public QObject {
public:
    explicit MnemonicToNextTabStop(QWidget* frame) : QObject(frame), frame_(frame) {
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != frame_ || event->type() != QEvent::Shortcut) {
            return QObject::eventFilter(watched, event);
        }
        for (QWidget* next = frame_->nextInFocusChain(); next != frame_;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisible() &&
                next->isEnabled()) {
                next->setFocus(Qt::ShortcutFocusReason);
                break;
            }
        }
        return true;
    }

private:
    QWidget* frame_;
};

void describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

DescriptionBox::DescriptionBox(QWidget* window, StretchLayout& layout)
    : QObject(window), label_(new ReadableLabel(QStringLiteral("Item Description"))) {
    setObjectName(QStringLiteral("description_box"));
    auto* group =
        layout.place(new QGroupBox(QStringLiteral("&Descrizione"), window), {115, 227, 215, 47},
                     "description_group", StretchLayout::Stretch::description);
    new MnemonicToNextTabStop(group);

    // The text can be selected and copied, and a text longer than the box scrolls. The box
    // is reached by the mouse only, so that the tab order stays as designed.
    label_->setObjectName(QStringLiteral("description_label"));
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label_->setFocusPolicy(Qt::ClickFocus);
    // A word wider than the box is cut rather than widening the box, so the rest wraps.
    label_->setMinimumWidth(1);
    auto* scroll = layout.place(new QScrollArea(window), {120, 237, 205, 32}, "description_scroll",
                                StretchLayout::Stretch::description);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(label_);
    // The box lies on the window's own background, as a plain text does.
    scroll->viewport()->setAutoFillBackground(false);
    label_->setAutoFillBackground(false);

    describe(label_, QStringLiteral("Descrizione"),
             QStringLiteral("La descrizione completa della riga selezionata; si può "
                            "selezionare e copiare"));
    describe(scroll, QStringLiteral("Descrizione"), QString());
}

QString DescriptionBox::text() const {
    return label_->text();
}

void DescriptionBox::show_text(const QString& text) {
    showing_hint_ = false;
    label_->show_text(text);
}

void DescriptionBox::show_hint(const QString& hint) {
    label_->show_text(hint);
    showing_hint_ = true;
}

void DescriptionBox::clear_hint() {
    if (showing_hint_) {
        show_text(QString());
    }
}
