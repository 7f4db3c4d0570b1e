#include "line_list_model.h"

#include <algorithm>
#include <utility>

#include "items/item.h"
#include "text_1252_codec.h"

const std::string& LineBatch::text(std::size_t row) const {
    if (const Item* item = items[row]) {
        return item->cached_description();
    }
    const auto header = std::lower_bound(headers.begin(), headers.end(), row,
                                         [](const std::pair<std::size_t, std::string>& entry,
                                            std::size_t wanted) { return entry.first < wanted; });
    return header->second;
}

LineBatch::Key LineBatch::key(std::size_t row) const {
    if (const Item* item = items[row]) {
        return {false, item->category(), std::string(item->name_view())};
    }
    return {true, 0, text(row)};
}

int LineBatch::find(const Key& wanted) const {
    for (std::size_t row = 0; row < items.size(); ++row) {
        const Item* item = items[row];
        const bool match = wanted.header ? item == nullptr && text(row) == wanted.text
                                         : item != nullptr && item->category() == wanted.category &&
                                               item->name_view() == wanted.text;
        if (match) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

LineListModel::LineListModel(QObject* parent) : QAbstractListModel(parent) {
}

void LineListModel::replace(LineBatch&& batch) {
    beginResetModel();
    std::swap(batch_, batch);
    endResetModel();
}

bool LineListModel::line(int row, std::string& text) const {
    if (row < 0 || row >= count()) {
        return false;
    }
    text = batch_.text(static_cast<std::size_t>(row));
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
        return decode_1252(batch_.text(static_cast<std::size_t>(index.row())));
    case Qt::ToolTipRole:
        // A tooltip shows anything that looks like markup as rich text; escaped into a
        // paragraph that keeps its blanks, a name such as "<b>" stays literal.
        return QStringLiteral("<p style=\"white-space:pre-wrap\">") +
               decode_1252(batch_.text(static_cast<std::size_t>(index.row()))).toHtmlEscaped() +
               QStringLiteral("</p>");
    default:
        return {};
    }
}
