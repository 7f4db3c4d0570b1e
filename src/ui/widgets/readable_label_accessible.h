#pragma once

#include <QAccessibleWidget>

class ReadableLabel;

// What assistive technologies read of a ReadableLabel: a static text whose name and value are
// the text it shows, with the text interface over that text. Its lines are the lines the label
// wraps the text into, so a screen reader reads the description line by line as it shows.
class ReadableLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableLabelAccessible(ReadableLabel* label);

    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selection_index, int* start_offset, int* end_offset) const override;
    int selectionCount() const override;
    void addSelection(int start_offset, int end_offset) override;
    void removeSelection(int selection_index) override;
    void setSelection(int selection_index, int start_offset, int end_offset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start_offset, int end_offset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start_offset,
                             int* end_offset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start_offset,
                            int* end_offset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start_offset,
                         int* end_offset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start_index, int end_index) override;
    QString attributes(int offset, int* start_offset, int* end_offset) const override;

private:
    ReadableLabel* label() const;
    // The wrapped line step lines after the one that holds offset, and where it starts and
    // ends; an empty text and -1 for both when there is no such line.
    QString line_from(int offset, int step, int* start_offset, int* end_offset) const;
};

// Qt's factory of accessibility interfaces for the class named: this one for a ReadableLabel.
QAccessibleInterface* readable_label_accessible(const QString& class_name, QObject* object);
