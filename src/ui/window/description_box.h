#pragma once

#include <QObject>
#include <QString>

class QWidget;
class ReadableLabel;
class StretchLayout;

// The "&Descrizione" box under the lists: the full text of the line picked last, wrapped,
// selectable and scrolled when longer than the box. With nothing read at start-up it shows a
// hint instead, which the first catalogue read takes away.
class DescriptionBox : public QObject {
    Q_OBJECT
public:
    DescriptionBox(QWidget* window, StretchLayout& layout);

    QString text() const;
    void show_text(const QString& text);
    // Shows the hint, until the next text or clear_hint.
    void show_hint(const QString& hint);
    // Empties the box if it shows the hint.
    void clear_hint();

private:
    ReadableLabel* label_;
    bool showing_hint_ = false;
};
