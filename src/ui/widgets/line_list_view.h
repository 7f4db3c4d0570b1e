#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QListView>

#include "ui/widgets/line_list_model.h"

// A single-selection list box of text lines. It reports selection changes made by the user
// (never those of a refill) and every left double click, on a line or on the empty area.
// Ctrl+C copies the selected line.
class LineListView : public QListView {
    Q_OBJECT
public:
    explicit LineListView(QWidget* parent = nullptr);

    // Empties the list and shows the lines, unsorted, in one step.
    void replace(std::shared_ptr<const torvane::PageLines> lines);

    int line_count() const { return model_->count(); }
    // Row of the selected line, if one is selected.
    std::optional<int> current_selection() const;
    // The line's bytes, or as shown; nothing when the row does not exist.
    std::optional<std::string> line_bytes(int row) const { return model_->line(row); }
    std::optional<QString> line_text(int row) const;
    const std::shared_ptr<const torvane::PageLines>& lines() const { return model_->lines(); }
    // Highlights these rows (ascending), and no others.
    void highlight(std::vector<std::size_t> rows) { model_->highlight(std::move(rows)); }
    // Marks the lines of items a new reading added or changed (see LineListModel).
    void mark_changes(std::shared_ptr<const torvane::RecordChanges> changes) {
        model_->mark_changes(std::move(changes));
    }
    // Selects the row as the user would, but without telling anyone; none selects nothing.
    void select_quietly(std::optional<int> row);
    // Puts the selected line on the clipboard; false, leaving the clipboard alone, when no
    // line is selected.
    bool copy_selected_line() const;

signals:
    void selection_changed_by_user();
    void double_clicked();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    LineListModel* model_;
    bool refilling_ = false;
};
