#include "line_list_model.h"

#include <algorithm>
#include <utility>

#include <QBrush>
#include <QColor>

#include "ui/widgets/artwork.h"
#include "ui/widgets/text_1252_codec.h"

namespace {

// What a mark means, for the tooltip and for screen readers.
QString mark_meaning(torvane::ItemChange change) {
    switch (change) {
    case torvane::ItemChange::added:
        return QStringLiteral("Nuovo dall'ultima lettura del catalogo");
    case torvane::ItemChange::changed:
        return QStringLiteral("Cambiato dall'ultima lettura del catalogo");
    case torvane::ItemChange::same:
    case torvane::ItemChange::removed:
        break;
    }
    return {};
}

// The size of a list's icons in the style's metrics.
constexpr int mark_size = 16;

} // namespace

QString shown_line(const torvane::PageLines& lines, std::size_t row) {
    return row < lines.size() ? decode_1252(lines.text(row)) : QString();
}

LineListModel::LineListModel(QObject* parent)
    : QAbstractListModel(parent), lines_(std::make_shared<const torvane::PageLines>()),
      added_mark_(draw_line_mark(LineMark::added, mark_size)),
      changed_mark_(draw_line_mark(LineMark::changed, mark_size)) {
}

void LineListModel::replace(std::shared_ptr<const torvane::PageLines> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    highlighted_.clear();
    endResetModel();
}

void LineListModel::highlight(std::vector<std::size_t> rows) {
    if (rows == highlighted_) {
        return;
    }
    std::swap(highlighted_, rows);
    // One signal for every row between the first and the last that change look: a view
    // repaints only what it shows of them.
    auto first = static_cast<std::size_t>(count());
    std::size_t last = 0;
    for (const std::vector<std::size_t>* changed : {&rows, &highlighted_}) {
        if (!changed->empty()) {
            first = std::min(first, changed->front());
            last = std::max(last, changed->back());
        }
    }
    if (first <= last) {
        emit dataChanged(index(static_cast<int>(first), 0), index(static_cast<int>(last), 0),
                         {Qt::BackgroundRole});
    }
}

void LineListModel::mark_changes(std::shared_ptr<const torvane::RecordChanges> changes) {
    if (changes == changes_) {
        return;
    }
    changes_ = std::move(changes);
    if (count() > 0) {
        emit dataChanged(index(0, 0), index(count() - 1, 0),
                         {Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
    }
}

torvane::ItemChange LineListModel::change_of(int row) const {
    return changes_ == nullptr ? torvane::ItemChange::same
                               : changes_->of(lines_->item(static_cast<std::size_t>(row)));
}

bool LineListModel::highlighted(std::size_t row) const {
    return std::binary_search(highlighted_.begin(), highlighted_.end(), row);
}

std::optional<std::string> LineListModel::line(int row) const {
    if (row < 0 || row >= count()) {
        return std::nullopt;
    }
    return lines_->text(static_cast<std::size_t>(row));
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return shown_line(*lines_, static_cast<std::size_t>(index.row()));
    case Qt::ToolTipRole: {
        // A tooltip shows anything that looks like markup as rich text; escaped into a
        // paragraph that keeps its blanks, a name such as "<b>" stays literal.
        const QString meaning = mark_meaning(change_of(index.row()));
        return QStringLiteral("<p style=\"white-space:pre-wrap\">") +
               shown_line(*lines_, static_cast<std::size_t>(index.row())).toHtmlEscaped() +
               QStringLiteral("</p>") +
               (meaning.isEmpty() ? QString() : QStringLiteral("<p><i>%1</i></p>").arg(meaning));
    }
    case Qt::DecorationRole:
        switch (change_of(index.row())) {
        case torvane::ItemChange::added:
            return added_mark_;
        case torvane::ItemChange::changed:
            return changed_mark_;
        default:
            return {};
        }
    case Qt::AccessibleDescriptionRole: {
        const QString meaning = mark_meaning(change_of(index.row()));
        return meaning.isEmpty() ? QVariant() : QVariant(meaning);
    }
    case Qt::BackgroundRole:
        // The colour a text editor marks what it found with; the selection's colour stays
        // the line picked.
        return highlighted(static_cast<std::size_t>(index.row()))
                   ? QVariant(QBrush(QColor(0xFF, 0xE8, 0x7C)))
                   : QVariant();
    default:
        return {};
    }
}
