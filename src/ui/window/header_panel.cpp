#include "header_panel.h"

#include <QLabel>

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

HeaderPanel::HeaderPanel(QWidget* window, StretchLayout& layout) : QObject(window) {
    setObjectName(QStringLiteral("header_panel"));
    auto* caption =
        layout.place(new QLabel(QStringLiteral("Il compendio dell'avventuriero"), window),
                     {276, 7, 109, 10}, "caption_label", StretchLayout::Stretch::right);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // The banner keeps its size in pixels: it is a picture, not a control.
    auto* banner = new QLabel(window);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(draw_banner(window->devicePixelRatioF()));
    banner->setGeometry(layout.units().x(7), layout.units().y(7), 300, 64);

    loaded_ = layout.place(make_counter(QStringLiteral("Oggetti Caricati: xxx"), window),
                           {276, 21, 109, 10}, "loaded_label", StretchLayout::Stretch::right);
    found_ = layout.place(make_counter(QStringLiteral("Oggetti Trovati: xxx"), window),
                          {276, 35, 109, 10}, "found_label", StretchLayout::Stretch::right);

    describe(loaded_, QStringLiteral("Oggetti caricati"),
             QStringLiteral("Il numero di oggetti letti dal catalogo"));
    describe(found_, QStringLiteral("Oggetti trovati"),
             QStringLiteral("Il numero di oggetti mostrati negli elenchi"));
    describe(caption, caption->text(), QString());
    describe(banner, QStringLiteral("Torvane Database"), QString());
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
