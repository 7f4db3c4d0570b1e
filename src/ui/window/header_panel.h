#pragma once

#include <cstddef>

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;
class ReadableLabel;
class StretchLayout;

// The top of the window: the banner, the caption line, and the two counters, "Oggetti
// Caricati: " with the items read and "Oggetti Trovati: " with the items the lists show.
// The counters show their template texts until the window first writes them. After a new
// reading of the same file, the caption line says what it changed.
class HeaderPanel : public QObject {
    Q_OBJECT
public:
    HeaderPanel(QWidget* window, StretchLayout& layout);

    // Blanks both counters, as the window's first form write does.
    void clear();
    void show_loaded(std::size_t count);
    void show_found(std::size_t count);
    // Shows what a new reading changed in the caption line, which grows to the left as far as
    // the banner to hold it; empty shows the caption again.
    void show_changes(const QString& summary);

private:
    QRect caption_place(const QRect& designed) const;

    ReadableLabel* caption_;
    // Where the layout puts the caption line at the window's size.
    QRect caption_designed_;
    QWidget* banner_;
    ReadableLabel* loaded_;
    ReadableLabel* found_;
};
