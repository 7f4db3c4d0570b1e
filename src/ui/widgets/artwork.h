#pragma once

#include <QPixmap>

// The program's own pictures, drawn in code so they scale to any size without files.

// The window icon: a crimson shield with a golden sword on a deep blue tile, size x size.
QPixmap draw_app_icon(int size);

// The banner at the top left of the window, 300 x 64 pixels, drawn sharp for a screen with
// the given device pixel ratio.
QPixmap draw_banner(qreal device_pixel_ratio = 1.0);

// The marks of list lines that a new reading of the catalogue brought: a green disc with a
// plus for an item added, an amber diamond with a tilde for one changed, size x size. Told
// apart by their shapes as well as their colours.
enum class LineMark { added, changed };
QPixmap draw_line_mark(LineMark mark, int size);
