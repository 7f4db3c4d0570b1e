#include "known_lines.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include <QAbstractItemModel>
#include <QFile>

#include "catalogue/catalogue.h"
#include "items/description.h"
#include "ui/widgets/text_1252_codec.h"

namespace {

QString line_at(const QAbstractItemModel& list, int row) {
    return list.index(row, 0).data().toString();
}

// Items of no category stand at the top of the first page without a header; on the other
// pages every item stands under one.
int first_code(int page) {
    return page == 0 ? 0 : -1;
}

} // namespace

KnownLines::KnownLines() {
    for (int code = 1; code <= highest_code; ++code) {
        header_codes_.insert(decode_1252(torvane::header_line(code)), code);
    }
}

void KnownLines::learn(const QString& archive_path) {
    const torvane::LoadResult loaded =
        torvane::Catalogue::load(QFile::encodeName(archive_path).toStdString());
    item_count_ = static_cast<int>(loaded.catalogue.size());
    items_.clear();
    for (const torvane::Item& item : loaded.catalogue.items()) {
        items_[decode_1252(torvane::description(item))].append(
            {item.category, decode_1252(item.name())});
    }
}

std::optional<int> KnownLines::header_code(const QString& line) const {
    const auto header = header_codes_.constFind(line);
    return header == header_codes_.cend() ? std::nullopt : std::optional<int>(header.value());
}

bool KnownLines::shows_item_of(const QString& line, int code) const {
    return std::ranges::any_of(items_.value(line),
                               [code](const auto& item) { return item.first == code; });
}

std::optional<KnownLines::Key> KnownLines::key_of(const QAbstractItemModel& list, int page,
                                                  int row) const {
    if (row < 0 || row >= list.rowCount()) {
        return std::nullopt;
    }
    const QString line = line_at(list, row);
    if (const std::optional<int> code = header_code(line)) {
        return Key{true, *code, {}};
    }
    int code = first_code(page);
    for (int above = row - 1; above >= 0; --above) {
        if (const std::optional<int> header = header_code(line_at(list, above))) {
            code = *header;
            break;
        }
    }
    for (const auto& [category, name] : items_.value(line)) {
        if (category == code) {
            return Key{false, code, name};
        }
    }
    return std::nullopt;
}

int KnownLines::find(const QAbstractItemModel& list, int page, const Key& key) const {
    int code = first_code(page);
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString line = line_at(list, row);
        if (const std::optional<int> header = header_code(line)) {
            code = *header;
            if (key.header && key.category == code) {
                return row;
            }
            continue;
        }
        if (!key.header && key.category == code &&
            items_.value(line).contains(std::pair<int, QString>(code, key.name))) {
            return row;
        }
    }
    return -1;
}
