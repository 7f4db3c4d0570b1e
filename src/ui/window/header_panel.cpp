#include "header_panel.h"

#include <algorithm>

#include <QLabel>
#include <QRect>

#include "ui/widgets/artwork.h"
#include "ui/widgets/readable_label.h"
#include "ui/widgets/stretch_layout.h"

namespace {

ReadableLabel* make_counter(const QString& template_text, QWidget* parent) {
    auto* label = new ReadableLabel(template_text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

namespace {

constexpr const char* caption_text = "Il compendio dell'avventuriero";

} // namespace

HeaderPanel::HeaderPanel(QWidget* window, StretchLayout& layout)
    : QObject(window), caption_(new ReadableLabel(QString::fromUtf8(caption_text), window)) {
    setObjectName(QStringLiteral("header_panel"));
    caption_->setObjectName(QStringLiteral("caption_label"));
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // The banner keeps its size in pixels: it is a picture, not a control.
    auto* banner = new QLabel(window);
    banner_ = banner;
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(draw_banner(window->devicePixelRatioF()));
    banner->setGeometry(layout.units().x(7), layout.units().y(7), 300, 64);
    layout.follow({276, 7, 109, 10}, StretchLayout::Stretch::right, [this](const QRect& designed) {
        caption_designed_ = designed;
        caption_->setGeometry(caption_place(designed));
    });

    loaded_ = layout.place(make_counter(QStringLiteral("Oggetti Caricati: xxx"), window),
                           {276, 21, 109, 10}, "loaded_label", StretchLayout::Stretch::right);
    found_ = layout.place(make_counter(QStringLiteral("Oggetti Trovati: xxx"), window),
                          {276, 35, 109, 10}, "found_label", StretchLayout::Stretch::right);

    describe(loaded_, QStringLiteral("Oggetti caricati"),
             QStringLiteral("Il numero di oggetti letti dal catalogo"));
    describe(found_, QStringLiteral("Oggetti trovati"),
             QStringLiteral("Il numero di oggetti mostrati negli elenchi"));
    describe(caption_, QString::fromUtf8(caption_text), QString());
    describe(banner, QStringLiteral("Torvane Database"), QString());
}

QRect HeaderPanel::caption_place(const QRect& designed) const {
    // The caption itself keeps its designed place, whatever its text needs.
    const int wanted = caption_->sizeHint().width();
    if (caption_->text() == QString::fromUtf8(caption_text) || wanted <= designed.width()) {
        return designed;
    }
    const int left = std::max(banner_->geometry().right() + 1 + designed.height() / 2,
                              designed.right() + 1 - wanted);
    return {QPoint(std::min(left, designed.left()), designed.top()), designed.bottomRight()};
}

void HeaderPanel::show_changes(const QString& summary) {
    caption_->show_text(summary.isEmpty() ? QString::fromUtf8(caption_text) : summary);
    caption_->setToolTip(summary.isEmpty()
                             ? QString()
                             : QStringLiteral("Cambiamenti dall'ultima lettura del catalogo"));
    caption_->setGeometry(caption_place(caption_designed_));
}

void HeaderPanel::clear() {
    loaded_->show_text(QString());
    found_->show_text(QString());
}

void HeaderPanel::show_loaded(std::size_t count) {
    loaded_->show_text(QStringLiteral("Oggetti Caricati: %1").arg(count));
}

void HeaderPanel::show_found(std::size_t count) {
    found_->show_text(QStringLiteral("Oggetti Trovati: %1").arg(count));
}
