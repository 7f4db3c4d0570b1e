#include "line_list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/widgets/text_1252_codec.h"

LineListView::LineListView(QWidget* parent) : QListView(parent), model_(new LineListModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideRight);
    setFocusPolicy(Qt::StrongFocus);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!refilling_) {
            emit selection_changed_by_user();
        }
    });
}

void LineListView::replace(std::shared_ptr<const torvane::PageLines> lines) {
    refilling_ = true;
    model_->replace(std::move(lines));
    refilling_ = false;
}

void LineListView::select_quietly(std::optional<int> row) {
    refilling_ = true;
    if (!row) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex index = model_->index(*row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    }
    refilling_ = false;
}

std::optional<int> LineListView::current_selection() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return rows.first().row();
}

std::optional<QString> LineListView::line_text(int row) const {
    const std::optional<std::string> bytes = model_->line(row);
    if (!bytes) {
        return std::nullopt;
    }
    return decode_1252(*bytes);
}

bool LineListView::copy_selected_line() const {
    const std::optional<int> row = current_selection();
    const std::optional<QString> text = row ? line_text(*row) : std::nullopt;
    if (!text) {
        return false;
    }
    QGuiApplication::clipboard()->setText(*text);
    return true;
}

void LineListView::keyPressEvent(QKeyEvent* event) {
    // The selected line, not the line with the focus frame, which the view would copy.
    if (event->matches(QKeySequence::Copy)) {
        copy_selected_line();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags LineListView::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    // A list box keeps its selection on a click into the empty area, and Ctrl does not
    // clear it: one line stays selected once the user has picked one.
    if (!index.isValid()) {
        return QItemSelectionModel::NoUpdate;
    }
    QItemSelectionModel::SelectionFlags flags = QListView::selectionCommand(index, event);
    if (flags & QItemSelectionModel::Deselect) {
        flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return flags;
}

void LineListView::mousePressEvent(QMouseEvent* event) {
    // A list box picks a line with the left button only; the other buttons leave the
    // selection and the current line alone.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void LineListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit double_clicked();
    }
}
