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

StretchLayout::StretchLayout(QSize designed) : designed_(designed) {
}

void StretchLayout::add(QWidget* widget, const QRect& designed, Stretch stretch) {
    entries_.push_back({widget, designed, stretch});
    widget->setGeometry(place(designed, stretch));
}

QRect StretchLayout::place(const QRect& designed, Stretch stretch) const {
    const int dx = extra_.width();
    const int dy = extra_.height();
    const int description_dy = description_share(dy);
    const int lists_dy = dy - description_dy;
    switch (stretch) {
    case Stretch::none:
        return designed;
    case Stretch::right:
        return designed.translated(dx, 0);
    case Stretch::corner:
        return designed.translated(dx, dy);
    case Stretch::lists:
        return designed.adjusted(0, 0, dx, lists_dy);
    case Stretch::description:
        return designed.adjusted(0, lists_dy, dx, dy);
    }
    return designed;
}

void StretchLayout::resize(QSize size) {
    extra_ = QSize(std::max(0, size.width() - designed_.width()),
                   std::max(0, size.height() - designed_.height()));
    for (const Entry& entry : entries_) {
        entry.widget->setGeometry(place(entry.designed, entry.stretch));
    }
}
