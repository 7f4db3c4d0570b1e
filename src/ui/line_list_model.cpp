#include "line_list_model.h"

#include <utility>

#include "text_1252_codec.h"

LineListModel::LineListModel(QObject* parent) : QAbstractListModel(parent) {
}

void LineListModel::replace(torvane::PageLines&& lines) {
    beginResetModel();
    std::swap(lines_, lines);
    endResetModel();
}

bool LineListModel::line(int row, std::string& text) const {
    if (row < 0 || row >= count()) {
        return false;
    }
    text = lines_.text(static_cast<std::size_t>(row));
    return true;
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
        return decode_1252(lines_.text(static_cast<std::size_t>(index.row())));
    case Qt::ToolTipRole:
        // A tooltip shows anything that looks like markup as rich text; escaped into a
        // paragraph that keeps its blanks, a name such as "<b>" stays literal.
        return QStringLiteral("<p style=\"white-space:pre-wrap\">") +
               decode_1252(lines_.text(static_cast<std::size_t>(index.row()))).toHtmlEscaped() +
               QStringLiteral("</p>");
    default:
        return {};
    }
}
