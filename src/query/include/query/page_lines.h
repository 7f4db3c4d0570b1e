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
#include "query/catalogue_order.h"

namespace torvane {

// The lines of one page list: one per item and, where a run of items of one category starts,
// a header line that names it.
//
// An item line is a record of the order shown, not a text: the description is rendered when
// the line is shown or read. The lines keep that order, which shares the catalogue and its
// places, so lines of a million items cost no copy at all, and descriptions nobody looks at
// are never rendered.
class PageLines {
public:
    // What a line shows, kept apart from any record, to find the same line among others:
    // an item by its category and name, a header by its text.
    struct Key {
        bool header = false;
        int category = 0;
        std::string text;
        bool operator==(const Key&) const = default;
    };

    // No lines.
    PageLines() = default;
    // Lines over the records of order (none yet).
    explicit PageLines(CatalogueOrder order) : order_(std::move(order)) {}

    // Appends the records of the order from first to end (exclusive), after a header line
    // with the text when it has one.
    void append_run(std::optional<std::string> header, std::size_t first, std::size_t end);

    std::size_t size() const { return rows_; }
    // The record of an item line, or nullptr for a header line.
    const Item* item(std::size_t row) const;
    // The text of an existing row. Windows-1252.
    std::string text(std::size_t row) const;
    Key key(std::size_t row) const;
    // The first row with the key, if any.
    std::optional<std::size_t> find(const Key& wanted) const;
    // The records of the item lines, in their order.
    std::vector<const Item*> records() const;
    // The order the item lines come from, which keeps their catalogue.
    const CatalogueOrder& order() const { return order_; }

private:
    // A header line (when it has one), then records first..end of the order.
    struct Run {
        std::size_t first_row;
        std::optional<std::string> header;
        std::size_t first;
        std::size_t end;
    };
    const Run& run_of(std::size_t row) const;

    CatalogueOrder order_;
    std::vector<Run> runs_;
    std::size_t rows_ = 0;
};

// Spreads an order, sorted by category first (as every order the window shows is), over the
// pages its categories belong to: a header line where each category's items begin, then the
// items, in the order's order. Items of the undefined category stand at the top of the first
// page without a header. Every page shares the order.
std::array<PageLines, page_count> group_into_pages(const CatalogueOrder& order);

// The records of the pages' item lines, page after page, each in its lines' order.
std::vector<const Item*> records_of(std::span<const PageLines> pages);

} // namespace torvane
