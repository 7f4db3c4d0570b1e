#pragma once

#include <QLabel>

// A label that shows content rather than naming a control, such as a counter or the
// description. Screen readers read its text as its name, its value and its text (line by line
// as the label wraps it), and hear of every change of it; while it shows nothing they read the
// accessible name set on it instead.
class ReadableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ReadableLabel(const QString& text, QWidget* parent = nullptr);

    // Shows the text and tells assistive technologies that it changed.
    void show_text(const QString& text);
};
