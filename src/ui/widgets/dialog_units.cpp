#include "dialog_units.h"

#include <QFontMetrics>

namespace {

// a * b / c, rounded to the nearest.
int scale(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + c / 2) / c);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the 52 Latin letters, rounded.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    base_width_ = (letters / 26 + 1) / 2;
    base_height_ = metrics.height();
    if (base_width_ < 1) {
        base_width_ = 1;
    }
    if (base_height_ < 1) {
        base_height_ = 1;
    }
}

int DialogUnits::x(int units) const {
    return scale(units, base_width_, 4);
}

int DialogUnits::y(int units) const {
    return scale(units, base_height_, 8);
}

QRect DialogUnits::rect(int x_units, int y_units, int width, int height) const {
    const int left = x(x_units);
    const int top = y(y_units);
    return {left, top, x(x_units + width) - left, y(y_units + height) - top};
}
