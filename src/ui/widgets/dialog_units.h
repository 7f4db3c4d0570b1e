#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units, in which the window is designed, to pixels for its font: a
// horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height, so the whole layout scales with the font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;

private:
    int base_width_;
    int base_height_;
};
