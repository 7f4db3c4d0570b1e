#include "readable_label_accessible.h"

#include <algorithm>
#include <cmath>

#include <QScrollArea>

#include "ui/widgets/label_lines.h"
#include "ui/widgets/readable_label.h"

ReadableLabelAccessible::ReadableLabelAccessible(ReadableLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {
}

ReadableLabel* ReadableLabelAccessible::label() const {
    return static_cast<ReadableLabel*>(widget());
}

QString ReadableLabelAccessible::text(QAccessible::Text type) const {
    switch (type) {
    case QAccessible::Name:
        return label()->text().isEmpty() ? widget()->accessibleName() : label()->text();
    case QAccessible::Value:
        return label()->text();
    default:
        return QAccessibleWidget::text(type);
    }
}

QAccessible::State ReadableLabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = (label()->textInteractionFlags() & Qt::TextSelectableByMouse) != 0;
    return state;
}

void* ReadableLabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void ReadableLabelAccessible::selection(int selection_index, int* start_offset,
                                        int* end_offset) const {
    *start_offset = 0;
    *end_offset = 0;
    if (selection_index == 0 && label()->hasSelectedText()) {
        *start_offset = label()->selectionStart();
        *end_offset = *start_offset + static_cast<int>(label()->selectedText().size());
    }
}

int ReadableLabelAccessible::selectionCount() const {
    return label()->hasSelectedText() ? 1 : 0;
}

void ReadableLabelAccessible::addSelection(int start_offset, int end_offset) {
    setSelection(0, start_offset, end_offset);
}

void ReadableLabelAccessible::removeSelection(int selection_index) {
    if (selection_index == 0) {
        label()->setSelection(cursorPosition(), 0);
    }
}

void ReadableLabelAccessible::setSelection(int selection_index, int start_offset, int end_offset) {
    if (selection_index == 0 && start_offset >= 0 && end_offset >= start_offset) {
        label()->setSelection(start_offset, end_offset - start_offset);
    }
}

int ReadableLabelAccessible::cursorPosition() const {
    // A label has no caret of its own: the end of its selection stands for one.
    int start = 0;
    int end = 0;
    selection(0, &start, &end);
    return end;
}

void ReadableLabelAccessible::setCursorPosition(int position) {
    label()->setSelection(std::clamp(position, 0, characterCount()), 0);
}

QString ReadableLabelAccessible::text(int start_offset, int end_offset) const {
    const QString& all = label()->text();
    start_offset = std::clamp(start_offset, 0, static_cast<int>(all.size()));
    end_offset = end_offset < 0
                     ? static_cast<int>(all.size())
                     : std::clamp(end_offset, start_offset, static_cast<int>(all.size()));
    return all.mid(start_offset, end_offset - start_offset);
}

QString ReadableLabelAccessible::line_from(int offset, int step, int* start_offset,
                                           int* end_offset) const {
    *start_offset = -1;
    *end_offset = -1;
    const int length = characterCount();
    if (offset == -2) {
        offset = cursorPosition();
    } else if (offset == -1) {
        offset = length;
    }
    if (length == 0 || offset < 0 || offset > length) {
        return {};
    }
    const LabelLines lines(*label());
    const int index = lines.line_of(offset) + step;
    if (index < 0 || index >= lines.count()) {
        return {};
    }
    const QTextLine line = lines.line(index);
    *start_offset = line.textStart();
    *end_offset = line.textStart() + line.textLength();
    return text(*start_offset, *end_offset);
}

QString ReadableLabelAccessible::textBeforeOffset(int offset,
                                                  QAccessible::TextBoundaryType boundary,
                                                  int* start_offset, int* end_offset) const {
    if (boundary == QAccessible::LineBoundary) {
        return line_from(offset, -1, start_offset, end_offset);
    }
    return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start_offset, end_offset);
}

QString ReadableLabelAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                 int* start_offset, int* end_offset) const {
    if (boundary == QAccessible::LineBoundary) {
        return line_from(offset, 1, start_offset, end_offset);
    }
    return QAccessibleTextInterface::textAfterOffset(offset, boundary, start_offset, end_offset);
}

QString ReadableLabelAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                              int* start_offset, int* end_offset) const {
    if (boundary == QAccessible::LineBoundary) {
        return line_from(offset, 0, start_offset, end_offset);
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundary, start_offset, end_offset);
}

int ReadableLabelAccessible::characterCount() const {
    return static_cast<int>(label()->text().size());
}

QRect ReadableLabelAccessible::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    const LabelLines lines(*label());
    const QTextLine line = lines.line(lines.line_of(offset));
    const qreal left = line.cursorToX(offset);
    const qreal right = line.cursorToX(offset + 1);
    const QRectF local(lines.origin() + QPointF(std::min(left, right), line.y()),
                       QSizeF(std::abs(right - left), line.height()));
    return {label()->mapToGlobal(local.topLeft().toPoint()), local.size().toSize()};
}

int ReadableLabelAccessible::offsetAtPoint(const QPoint& point) const {
    const LabelLines lines(*label());
    const QPointF local = QPointF(label()->mapFromGlobal(point)) - lines.origin();
    for (int i = 0; i < lines.count(); ++i) {
        const QTextLine line = lines.line(i);
        if (local.y() >= line.y() && local.y() < line.y() + line.height()) {
            return line.xToCursor(local.x());
        }
    }
    return -1;
}

void ReadableLabelAccessible::scrollToSubstring(int start_index, int /*end_index*/) {
    // A description longer than its box scrolls inside it: bring the start into view.
    for (QWidget* ancestor = label()->parentWidget(); ancestor != nullptr;
         ancestor = ancestor->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(ancestor);
        if (area != nullptr && area->widget() == label()) {
            const QRect rect = characterRect(start_index);
            if (!rect.isNull()) {
                const QPoint at = label()->mapFromGlobal(rect.center());
                area->ensureVisible(at.x(), at.y());
            }
            return;
        }
    }
}

QString ReadableLabelAccessible::attributes(int /*offset*/, int* start_offset,
                                            int* end_offset) const {
    // Plain text: one run without attributes.
    *start_offset = 0;
    *end_offset = characterCount();
    return {};
}

QAccessibleInterface* readable_label_accessible(const QString& class_name, QObject* object) {
    auto* label = qobject_cast<ReadableLabel*>(object);
    if (class_name != QLatin1String("ReadableLabel") || label == nullptr) {
        return nullptr;
    }
    // Qt's accessibility cache owns the interface.
    return new ReadableLabelAccessible(label);
}
