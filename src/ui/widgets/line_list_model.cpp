#include "line_list_model.h"

#include <utility>

#include "ui/widgets/text_1252_codec.h"

QString shown_line(const torvane::PageLines& lines, std::size_t row) {
    return row < lines.size() ? decode_1252(lines.text(row)) : QString();
}

LineListModel::LineListModel(QObject* parent)
    : QAbstractListModel(parent), lines_(std::make_shared<const torvane::PageLines>()) {
}

void LineListModel::replace(std::shared_ptr<const torvane::PageLines> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
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
    case Qt::ToolTipRole:
        // A tooltip shows anything that looks like markup as rich text; escaped into a
        // paragraph that keeps its blanks, a name such as "<b>" stays literal.
        return QStringLiteral("<p style=\"white-space:pre-wrap\">") +
               shown_line(*lines_, static_cast<std::size_t>(index.row())).toHtmlEscaped() +
               QStringLiteral("</p>");
    default:
        return {};
    }
}
