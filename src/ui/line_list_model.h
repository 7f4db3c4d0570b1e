#pragma once

#include <string>

#include <QAbstractListModel>

#include "query/page_lines.h"

// Windows-1252 lines for a list view, converted to Unicode only for the rows asked for.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    // Replaces every line in one model reset.
    void replace(torvane::PageLines&& lines);

    int count() const { return static_cast<int>(lines_.size()); }
    // The line's bytes; false when the row does not exist.
    bool line(int row, std::string& text) const;
    const torvane::PageLines& lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    torvane::PageLines lines_;
};
