#include "line_list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "text_1252_codec.h"

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

void LineListView::replace(torvane::PageLines&& lines) {
    refilling_ = true;
    model_->replace(std::move(lines));
    refilling_ = false;
}

void LineListView::select_quietly(int row) {
    refilling_ = true;
    if (row < 0) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex index = model_->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    }
    refilling_ = false;
}

int LineListView::current_selection() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool LineListView::line_text(int row, std::string& text) const {
    return model_->line(row, text);
}

bool LineListView::line_text(int row, QString& text) const {
    std::string bytes;
    if (!model_->line(row, bytes)) {
        return false;
    }
    text = decode_1252(bytes);
    return true;
}

bool LineListView::copy_selected_line() const {
    QString text;
    if (!line_text(current_selection(), text)) {
        return false;
    }
    QGuiApplication::clipboard()->setText(text);
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
