#include "query/page_lines.h"

#include <algorithm>

#include "items/description.h"

namespace torvane {

void PageLines::append_run(std::optional<std::string> header, std::size_t first, std::size_t end) {
    const std::size_t lines = (header ? 1 : 0) + (end - first);
    runs_.push_back({rows_, std::move(header), first, end});
    rows_ += lines;
}

const PageLines::Run& PageLines::run_of(std::size_t row) const {
    // The last run that starts at or before the row: a page has a run per category at most.
    const auto after =
        std::upper_bound(runs_.begin(), runs_.end(), row,
                         [](std::size_t wanted, const Run& run) { return wanted < run.first_row; });
    return *(after - 1);
}

const Item* PageLines::item(std::size_t row) const {
    const Run& run = run_of(row);
    const std::size_t header_lines = run.header ? 1 : 0;
    if (row < run.first_row + header_lines) {
        return nullptr;
    }
    return &order_[run.first + (row - run.first_row - header_lines)];
}

std::string PageLines::text(std::size_t row) const {
    if (const Item* record = item(row)) {
        return description(*record);
    }
    return *run_of(row).header;
}

PageLines::Key PageLines::key(std::size_t row) const {
    if (const Item* record = item(row)) {
        return {false, record->category, std::string(record->name())};
    }
    return {true, 0, text(row)};
}

std::optional<std::size_t> PageLines::find(const Key& wanted) const {
    for (const Run& run : runs_) {
        if (run.header && wanted.header && *run.header == wanted.text) {
            return run.first_row;
        }
        if (wanted.header) {
            continue;
        }
        const std::size_t first_item_row = run.first_row + (run.header ? 1 : 0);
        for (std::size_t i = run.first; i < run.end; ++i) {
            const Item& record = order_[i];
            if (record.category == wanted.category && record.name() == wanted.text) {
                return first_item_row + (i - run.first);
            }
        }
    }
    return std::nullopt;
}

std::vector<const Item*> PageLines::records() const {
    std::vector<const Item*> records;
    for (const Run& run : runs_) {
        for (std::size_t i = run.first; i < run.end; ++i) {
            records.push_back(&order_[i]);
        }
    }
    return records;
}

namespace {

// Where the run of records of one category that starts at first ends, found by halving rather
// than by reading every record: a million lines cost a few hundred record reads.
std::size_t run_end(const CatalogueOrder& order, std::size_t first) {
    const int code = order[first].category;
    std::size_t low = first + 1;
    std::size_t high = order.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (order[middle].category == code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

} // namespace

std::array<PageLines, page_count> group_into_pages(const CatalogueOrder& order) {
    std::array<PageLines, page_count> pages;
    pages.fill(PageLines(order));
    std::size_t first = 0;
    while (first < order.size()) {
        const int code = order[first].category;
        const std::size_t end = run_end(order, first);
        PageLines& lines = pages[static_cast<std::size_t>(category_info(code).page)];
        // Items of the undefined category stand first, with no header.
        lines.append_run(code != undefined_category ? std::optional(header_line(code))
                                                    : std::nullopt,
                         first, end);
        first = end;
    }
    return pages;
}

std::vector<const Item*> records_of(std::span<const PageLines> pages) {
    std::vector<const Item*> records;
    for (const PageLines& page : pages) {
        const std::vector<const Item*> of_page = page.records();
        records.insert(records.end(), of_page.begin(), of_page.end());
    }
    return records;
}

} // namespace torvane
