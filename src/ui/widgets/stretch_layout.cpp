#include "stretch_layout.h"

#include <algorithm>

#include <QWidget>

namespace {

// The description box takes a quarter of the extra height, enough to show a long text in
// full on a tall window, while the lists keep most of it.
int description_share(int extra_height) {
    return extra_height / 4;
}

} // namespace

StretchLayout::StretchLayout(const QFont& font, int width, int height)
    : units_(font), designed_(units_.x(width), units_.y(height)) {
}

void StretchLayout::add(QWidget* widget, const QRect& designed, Stretch stretch) {
    follow(designed, stretch, [widget](const QRect& pixels) { widget->setGeometry(pixels); });
}

void StretchLayout::follow(const QRect& designed, Stretch stretch,
                           std::function<void(const QRect& pixels)> place_at) {
    Entry& entry = entries_.emplace_back(Entry{std::move(place_at), designed, stretch});
    entry.place_at(pixels(entry.designed, entry.stretch));
}

QRect StretchLayout::pixels(const QRect& designed, Stretch stretch) const {
    const QRect at_design =
        units_.rect(designed.x(), designed.y(), designed.width(), designed.height());
    const int dx = extra_.width();
    const int dy = extra_.height();
    const int description_dy = description_share(dy);
    const int lists_dy = dy - description_dy;
    switch (stretch) {
    case Stretch::none:
        return at_design;
    case Stretch::right:
        return at_design.translated(dx, 0);
    case Stretch::corner:
        return at_design.translated(dx, dy);
    case Stretch::lists:
        return at_design.adjusted(0, 0, dx, lists_dy);
    case Stretch::description:
        return at_design.adjusted(0, lists_dy, dx, dy);
    }
    return at_design;
}

void StretchLayout::resize(QSize size) {
    extra_ = QSize(std::max(0, size.width() - designed_.width()),
                   std::max(0, size.height() - designed_.height()));
    for (const Entry& entry : entries_) {
        entry.place_at(pixels(entry.designed, entry.stretch));
    }
}
