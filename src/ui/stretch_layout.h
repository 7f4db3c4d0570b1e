#pragma once

#include <vector>

#include <QRect>
#include <QSize>

class QWidget;

// Keeps a window's controls at their designed places, and gives the room the window has
// beyond its designed size to the controls that can use it: the lists take most of the extra
// height and, with the description under them, all of the extra width; what stands right of
// or under them moves along; the rest stays where it was designed.
class StretchLayout {
public:
    enum class Stretch {
        none,        // stays where it was designed
        right,       // moves right with the extra width
        corner,      // moves right and down with the extra width and height
        lists,       // grows by the extra width and the lists' share of the extra height
        description, // grows by the extra width and its share of the height, under the lists
    };

    explicit StretchLayout(QSize designed = {});

    // Places the widget now, at its designed pixel rectangle, and whenever the size changes.
    void add(QWidget* widget, const QRect& designed, Stretch stretch);
    // The rectangle for a designed one at the present size.
    QRect place(const QRect& designed, Stretch stretch) const;
    // Moves every widget added for a window of this size.
    void resize(QSize size);

private:
    struct Entry {
        QWidget* widget;
        QRect designed;
        Stretch stretch;
    };

    QSize designed_;
    QSize extra_;
    std::vector<Entry> entries_;
};
