#include "line_list_model.h"

#include <utility>

#include "text_1252_codec.h"

LineListModel::LineListModel(QObject* parent) : QAbstractListModel(parent) {
}

void LineListModel::replace(LineBatch&& batch) {
    beginResetModel();
    // Swapping keeps the owned lines where the pointers expect them.
    std::swap(batch_.lines, batch.lines);
    std::swap(batch_.owned, batch.owned);
    endResetModel();
}

bool LineListModel::line(int row, std::string& text) const {
    if (row < 0 || row >= count()) {
        return false;
    }
    text = *batch_.lines[static_cast<std::size_t>(row)];
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
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return decode_1252(*batch_.lines[static_cast<std::size_t>(index.row())]);
    default:
        return {};
    }
}
