#include "page_lines.h"

#include <algorithm>

#include "item_list.h"

const std::string& PageLines::text(std::size_t row) const {
    if (const Item* item = items[row]) {
        return item->cached_description();
    }
    const auto header = std::lower_bound(headers.begin(), headers.end(), row,
                                         [](const std::pair<std::size_t, std::string>& entry,
                                            std::size_t wanted) { return entry.first < wanted; });
    return header->second;
}

PageLines::Key PageLines::key(std::size_t row) const {
    if (const Item* item = items[row]) {
        return {false, item->category(), std::string(item->name_view())};
    }
    return {true, 0, text(row)};
}

int PageLines::find(const Key& wanted) const {
    for (std::size_t row = 0; row < items.size(); ++row) {
        const Item* item = items[row];
        const bool match = wanted.header ? item == nullptr && text(row) == wanted.text
                                         : item != nullptr && item->category() == wanted.category &&
                                               item->name_view() == wanted.text;
        if (match) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

std::string header_line(int code) {
    return "[Oggetti di tipo " + std::string(category_info(code).name) + "]";
}

std::array<PageLines, page_count> group_into_pages(ItemList& list) {
    std::array<PageLines, page_count> pages;
    list.rewind();
    int running_code = undefined_category;
    int page = 0;
    const std::int32_t total = list.count();
    for (std::int32_t taken = 0; taken < total; ++taken) {
        const Item* item = list.next();
        if (item == nullptr) {
            break;
        }
        if (item->category() != running_code) {
            running_code = item->category();
            page = category_info(running_code).page;
            pages[static_cast<std::size_t>(page)].append_header(header_line(running_code));
        }
        pages[static_cast<std::size_t>(page)].append_item(*item);
    }
    return pages;
}
