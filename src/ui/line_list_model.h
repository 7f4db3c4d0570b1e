#pragma once

#include <deque>
#include <string>
#include <vector>

#include <QAbstractListModel>

// The lines of one page list, gathered before they are shown in one go.
//
// Item lines point at the records' cached descriptions instead of copying them: with a
// million items a copy per line would double the memory and the fill time. That is safe
// because every list the window shows only shares records that the catalogue holds, the
// catalogue keeps them for the whole run, and the cache never changes once rendered. A
// filtered view may be destroyed right after the fill; its records live on in the
// catalogue. The window refills (or destroys) its lists before the catalogue can drop a
// record, so no line outlives its text.
struct LineBatch {
    std::vector<const std::string*> lines;
    // Header lines belong to the batch; a deque keeps their addresses stable as it grows.
    std::deque<std::string> owned;

    void append_borrowed(const std::string& text) { lines.push_back(&text); }
    void append_owned(std::string text) {
        owned.push_back(std::move(text));
        lines.push_back(&owned.back());
    }
};

// Windows-1252 lines for a list view, converted to Unicode only for the rows asked for.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LineListModel(QObject* parent = nullptr);

    // Replaces every line in one model reset.
    void replace(LineBatch&& batch);

    int count() const { return static_cast<int>(batch_.lines.size()); }
    // The line's bytes; false when the row does not exist.
    bool line(int row, std::string& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    LineBatch batch_;
};
