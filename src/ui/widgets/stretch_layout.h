#pragma once

#include <functional>
#include <vector>

#include <QRect>
#include <QSize>
#include <QString>

#include "ui/widgets/dialog_units.h"

class QWidget;

// Keeps a window's controls at their designed places, in dialog units of the window's font,
// and gives the room the window has beyond its designed size to the controls that can use it:
// the lists take most of the extra height and, with the description under them, all of the
// extra width; what stands right of or under them moves along; the rest stays where it was
// designed.
class StretchLayout {
public:
    enum class Stretch {
        none,        // stays where it was designed
        right,       // moves right with the extra width
        corner,      // moves right and down with the extra width and height
        lists,       // grows by the extra width and the lists' share of the extra height
        description, // grows by the extra width and its share of the height, under the lists
    };

    // A window designed width by height dialog units large for the font.
    StretchLayout(const QFont& font, int width, int height);

    const DialogUnits& units() const { return units_; }
    // The designed size in pixels: the window's smallest.
    QSize designed_size() const { return designed_; }

    // Names the widget and places it at its designed rectangle (dialog units), now and
    // whenever the size changes.
    template <typename Widget>
    Widget* place(Widget* widget, const QRect& designed, const char* name,
                  Stretch stretch = Stretch::none) {
        widget->setObjectName(QString::fromLatin1(name));
        add(widget, designed, stretch);
        return widget;
    }
    // Calls place_at with the pixel rectangle of a designed one (dialog units), now and
    // whenever the size changes: for controls placed inside a rectangle of their own.
    void follow(const QRect& designed, Stretch stretch,
                std::function<void(const QRect& pixels)> place_at);
    // Moves every control for a window of this size.
    void resize(QSize size);

private:
    struct Entry {
        std::function<void(const QRect& pixels)> place_at;
        QRect designed;
        Stretch stretch;
    };

    void add(QWidget* widget, const QRect& designed, Stretch stretch);
    QRect pixels(const QRect& designed, Stretch stretch) const;

    DialogUnits units_;
    QSize designed_;
    QSize extra_;
    std::vector<Entry> entries_;
};
