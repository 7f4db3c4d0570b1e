#include "query/page_lines.h"

#include <algorithm>
#include <iterator>

#include "items/description.h"

namespace torvane {

std::string PageLines::text(std::size_t row) const {
    if (const Item* item = items[row]) {
        return description(*item);
    }
    const auto header = std::lower_bound(headers.begin(), headers.end(), row,
                                         [](const std::pair<std::size_t, std::string>& entry,
                                            std::size_t wanted) { return entry.first < wanted; });
    return header->second;
}

PageLines::Key PageLines::key(std::size_t row) const {
    if (const Item* item = items[row]) {
        return {false, item->category, std::string(item->name())};
    }
    return {true, 0, text(row)};
}

std::optional<std::size_t> PageLines::find(const Key& wanted) const {
    for (std::size_t row = 0; row < items.size(); ++row) {
        const Item* item = items[row];
        const bool match = wanted.header ? item == nullptr && text(row) == wanted.text
                                         : item != nullptr && item->category == wanted.category &&
                                               item->name() == wanted.text;
        if (match) {
            return row;
        }
    }
    return std::nullopt;
}

std::array<PageLines, page_count>
group_into_pages(std::span<const Item* const> view,
                 const std::shared_ptr<const Catalogue>& catalogue) {
    // The view's runs of one category, found by halving rather than by reading every record:
    // a million lines cost a few hundred record reads and a copy of their pointers.
    struct Run {
        int category;
        std::span<const Item* const> items;
    };
    std::vector<Run> runs;
    for (auto begin = view.begin(); begin != view.end();) {
        const int code = (*begin)->category;
        const auto end = std::partition_point(
            begin, view.end(), [code](const Item* item) { return item->category == code; });
        runs.push_back({code, {begin, end}});
        begin = end;
    }
    std::array<PageLines, page_count> pages;
    std::array<std::size_t, page_count> lines{};
    for (const Run& run : runs) {
        lines[static_cast<std::size_t>(category_info(run.category).page)] += 1 + run.items.size();
    }
    for (std::size_t page = 0; page < pages.size(); ++page) {
        pages[page].catalogue = catalogue;
        pages[page].items.reserve(lines[page]);
        pages[page].catalogue = catalogue;
    }
    for (const Run& run : runs) {
        PageLines& lines_of_page =
            pages[static_cast<std::size_t>(category_info(run.category).page)];
        // Items of the undefined category stand first, with no header.
        if (run.category != undefined_category) {
            lines_of_page.append_header(header_line(run.category));
        }
        lines_of_page.items.insert(lines_of_page.items.end(), run.items.begin(), run.items.end());
    }
    return pages;
}

std::vector<const Item*> records_of(std::span<const PageLines> pages) {
    std::vector<const Item*> records;
    for (const PageLines& page : pages) {
        std::copy_if(page.items.begin(), page.items.end(), std::back_inserter(records),
                     [](const Item* item) { return item != nullptr; });
    }
    return records;
}

} // namespace torvane
