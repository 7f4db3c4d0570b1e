#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractListModel>

class Item;

// The lines of one page list, gathered before they are shown in one go.
//
// An item line keeps its record, not a text: the record renders its description (once, into
// its cache) only when the row is first shown or read. A fill of a million items then costs
// a pointer per line, and the descriptions of rows nobody looks at are never rendered. That
// is safe because every list the window shows only shares records that the catalogue holds,
// the catalogue keeps them for the whole run, and a description never changes once
// rendered. A filtered view may be destroyed right after the fill; its records live on in
// the catalogue. The window refills (or destroys) its lists before the catalogue can drop a
// record, so no line outlives its record.
struct LineBatch {
    // What a line shows, kept apart from any record, to find the same line in another batch:
    // an item by its category and name, a header by its text.
    struct Key {
        bool header = false;
        int category = 0;
        std::string text;
        bool operator==(const Key&) const = default;
    };

    // One entry per line: the record of an item line, or nullptr for a header line.
    std::vector<const Item*> items;
    // The header lines with their rows, in row order: at most one per category.
    std::vector<std::pair<std::size_t, std::string>> headers;

    std::size_t size() const { return items.size(); }
    void append_item(const Item& item) { items.push_back(&item); }
    void append_header(std::string text) {
        headers.emplace_back(items.size(), std::move(text));
        items.push_back(nullptr);
    }
    // The text of an existing row, rendered on first use.
    const std::string& text(std::size_t row) const;
    Key key(std::size_t row) const;
    // The first row with the key, or -1.
    int find(const Key& wanted) const;
};

// Windows-1252 lines for a list view, converted to Unicode only for the rows asked for.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    // Replaces every line in one model reset.
    void replace(LineBatch&& batch);

    int count() const { return static_cast<int>(batch_.size()); }
    // The line's bytes; false when the row does not exist.
    bool line(int row, std::string& text) const;
    const LineBatch& batch() const { return batch_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    LineBatch batch_;
};
