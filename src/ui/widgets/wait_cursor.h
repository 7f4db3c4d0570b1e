#pragma once

#include <QApplication>

// Shows the wait cursor while the window runs a long catalogue operation (a sort, a fill,
// a reading), and the previous cursor again afterwards.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
