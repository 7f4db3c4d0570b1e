#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "items/category_table.h"

class Item;
class ItemList;

// The lines of one page list: one per item and, where a run of items of one category starts,
// a header line that names it.
//
// An item line keeps its record, not a text: the record renders its description (once, into
// its cache) only when the line is first shown or read. Lines of a million items then cost a
// pointer each, and descriptions nobody looks at are never rendered. Whoever shows the lines
// must keep the records alive meanwhile: a list that shares them, or the catalogue.
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

    std::size_t size() const { return items.size(); }
    void append_item(const Item& item) { items.push_back(&item); }
    void append_header(std::string text) {
        headers.emplace_back(items.size(), std::move(text));
        items.push_back(nullptr);
    }
    // The text of an existing row, rendered on first use. Windows-1252.
    const std::string& text(std::size_t row) const;
    Key key(std::size_t row) const;
    // The first row with the key, or -1.
    int find(const Key& wanted) const;
};

// The header line of a category: "[Oggetti di tipo " and its name, then "]".
std::string header_line(int code);

// Spreads a list, sorted by category first, over the pages its categories belong to: a
// header line at each change of category, then the items, in the list's order. Items of
// the undefined category stand at the top of the first page without a header.
std::array<PageLines, page_count> group_into_pages(ItemList& list);
