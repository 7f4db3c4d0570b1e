#include "label_lines.h"

#include <QLabel>

LabelLines::LabelLines(const QLabel& label) {
    QString text = label.text();
    // Same length, so offsets stay those of the label's text.
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout_.setText(text);
    layout_.setFont(label.font());
    QTextOption option(label.alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout_.setTextOption(option);
    const QRect area = label.contentsRect();
    qreal height = 0;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout_.endLayout();
    qreal top = area.top();
    if ((label.alignment() & Qt::AlignVCenter) != 0) {
        top += (area.height() - height) / 2;
    } else if ((label.alignment() & Qt::AlignBottom) != 0) {
        top += area.height() - height;
    }
    origin_ = QPointF(area.left(), top);
}

int LabelLines::line_of(int offset) const {
    for (int i = 0; i < count(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        if (offset < line.textStart() + line.textLength()) {
            return i;
        }
    }
    return count() - 1;
}
