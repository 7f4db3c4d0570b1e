#pragma once

#include <cstddef>

#include <QObject>

class QWidget;
class ReadableLabel;
class StretchLayout;

// The top of the window: the banner, the caption line, and the two counters, "Oggetti
// Caricati: " with the items read and "Oggetti Trovati: " with the items the lists show.
// The counters show their template texts until the window first writes them.
class HeaderPanel : public QObject {
    Q_OBJECT
public:
    HeaderPanel(QWidget* window, StretchLayout& layout);

    // Blanks both counters, as the window's first form write does.
    void clear();
    void show_loaded(std::size_t count);
    void show_found(std::size_t count);

private:
    ReadableLabel* loaded_;
    ReadableLabel* found_;
};
