#pragma once

#include <optional>
#include <utility>

#include <QHash>
#include <QList>
#include <QString>

class QAbstractItemModel;

// The lines the window may show for the catalogue file it read, as the monkey reads that file
// itself: the item (category and name) behind each item line and the header lines. With them
// a line can be told apart from its text alone, and found again in another catalogue.
class KnownLines {
public:
    static constexpr int highest_code = 20;

    // What a line stands for: an item by its category and name, a header by its category.
    struct Key {
        bool header = false;
        int category = 0;
        QString name;
        bool operator==(const Key& other) const = default;
    };

    KnownLines();

    // Reads the file as the loader does; a file that is gone leaves no lines.
    void learn(const QString& archive_path);
    int item_count() const { return item_count_; }

    // The category of a header line; nullopt for any other text.
    std::optional<int> header_code(const QString& line) const;
    // Whether an item of the category shows this line.
    bool shows_item_of(const QString& line, int code) const;

    // What a row of a page's list stands for, from the header it stands under; nullopt for
    // no row or a line of no known item.
    std::optional<Key> key_of(const QAbstractItemModel& list, int page, int row) const;
    // The first row of a page's list that stands for the key, or -1.
    int find(const QAbstractItemModel& list, int page, const Key& key) const;

private:
    // Each item line's text, with the category and name of every item that shows it.
    QHash<QString, QList<std::pair<int, QString>>> items_;
    QHash<QString, int> header_codes_;
    int item_count_ = 0;
};
