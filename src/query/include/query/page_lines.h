#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "items/category_table.h"
#include "items/item.h"

namespace torvane {

class Catalogue;

// The lines of one page list: one per item and, where a run of items of one category starts,
// a header line that names it.
//
// An item line keeps its record, not a text: the description is rendered when the line is
// shown or read. Lines of a million items then cost a pointer each, and descriptions nobody
// looks at are never rendered. The lines share the catalogue of their records, which so lives
// as long as some lines show them.
struct PageLines {
    // What a line shows, kept apart from any record, to find the same line among others:
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
    // The catalogue of the records, kept alive by the lines; none for records that live
    // elsewhere.
    std::shared_ptr<const Catalogue> catalogue;

    std::size_t size() const { return items.size(); }
    void append_item(const Item& item) { items.push_back(&item); }
    void append_header(std::string text) {
        headers.emplace_back(items.size(), std::move(text));
        items.push_back(nullptr);
    }
    // The text of an existing row. Windows-1252.
    std::string text(std::size_t row) const;
    Key key(std::size_t row) const;
    // The first row with the key, if any.
    std::optional<std::size_t> find(const Key& wanted) const;
};

// Spreads a view, sorted by category first (as every view the window shows is), over the
// pages its categories belong to: a header line where each category's items begin, then the
// items, in the view's order. Items of the undefined category stand at the top of the first
// page without a header. Every page shares the catalogue of the view's records.
std::array<PageLines, page_count>
group_into_pages(std::span<const Item* const> view,
                 const std::shared_ptr<const Catalogue>& catalogue);

// The records of the pages' item lines, page after page, each in its lines' order.
std::vector<const Item*> records_of(std::span<const PageLines> pages);

} // namespace torvane
