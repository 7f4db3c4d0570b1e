#pragma once

#include <QPointF>
#include <QTextLayout>

class QLabel;

// A label's text laid out in lines as the label wraps it, placed in the label's coordinates:
// which line holds an offset of the text, and where each line stands.
class LabelLines {
public:
    explicit LabelLines(const QLabel& label);

    int count() const { return layout_.lineCount(); }
    QTextLine line(int index) const { return layout_.lineAt(index); }
    // The line that holds the offset; the last one for the end of the text.
    int line_of(int offset) const;
    // Where the first line's top left corner stands in the label.
    QPointF origin() const { return origin_; }

private:
    QTextLayout layout_;
    QPointF origin_;
};
