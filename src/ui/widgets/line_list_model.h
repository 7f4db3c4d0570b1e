#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractListModel>
#include <QPixmap>

#include "compare/record_changes.h"
#include "query/page_lines.h"

// A line as a list shows it; empty for a row the lines do not have.
QString shown_line(const torvane::PageLines& lines, std::size_t row);

// Windows-1252 lines for a list view, converted to Unicode only for the rows asked for. The
// lines are shared with whoever else shows them (the chart), and keep their records alive.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    // Replaces every line in one model reset; no line stays highlighted.
    void replace(std::shared_ptr<const torvane::PageLines> lines);
    // Highlights these rows (ascending), and no others: what a search found.
    void highlight(std::vector<std::size_t> rows);
    // Marks the lines of the items that a new reading added or changed, until other changes
    // or none are given; the lines keep their marks through refills.
    void mark_changes(std::shared_ptr<const torvane::RecordChanges> changes);

    int count() const { return static_cast<int>(lines_->size()); }
    // The line's bytes; nothing when the row does not exist.
    std::optional<std::string> line(int row) const;
    const std::shared_ptr<const torvane::PageLines>& lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    bool highlighted(std::size_t row) const;
    torvane::ItemChange change_of(int row) const;

    std::shared_ptr<const torvane::PageLines> lines_;
    std::vector<std::size_t> highlighted_;
    std::shared_ptr<const torvane::RecordChanges> changes_;
    QPixmap added_mark_;
    QPixmap changed_mark_;
};
