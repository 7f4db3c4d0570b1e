#include "page_lines.h"

#include <algorithm>
#include <iterator>

#include "item_walk.h"
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

int PageLines::find(const Key& wanted) const {
    for (std::size_t row = 0; row < items.size(); ++row) {
        const Item* item = items[row];
        const bool match = wanted.header ? item == nullptr && text(row) == wanted.text
                                         : item != nullptr && item->category == wanted.category &&
                                               item->name() == wanted.text;
        if (match) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

std::array<PageLines, page_count> group_into_pages(std::span<const Item* const> view) {
    std::array<PageLines, page_count> pages;
    // Each page's lines are counted first, so that its array is made once at its size.
    std::array<std::size_t, page_count> lines{};
    int counted_code = undefined_category;
    const Item* const* const end = view.data() + view.size();
    for (const Item* const* at = view.data(); at != end; ++at) {
        item_walk::prefetch_ahead(at, end, false);
        const int code = (*at)->category;
        lines[static_cast<std::size_t>(category_info(code).page)] += code != counted_code ? 2 : 1;
        counted_code = code;
    }
    for (std::size_t page = 0; page < pages.size(); ++page) {
        pages[page].items.reserve(lines[page]);
    }
    int running_code = undefined_category;
    std::size_t page = 0;
    for (const Item* const* at = view.data(); at != end; ++at) {
        item_walk::prefetch_ahead(at, end, false);
        const Item& item = **at;
        if (item.category != running_code) {
            running_code = item.category;
            page = static_cast<std::size_t>(category_info(running_code).page);
            pages[page].append_header(header_line(running_code));
        }
        pages[page].append_item(item);
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
