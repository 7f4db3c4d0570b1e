#include "catalogue/archive_format.h"

#include "base/integer_text.h"
#include "base/text_1252.h"
#include "items/category_table.h"

namespace torvane {

std::optional<ItemCategory> category_of_header(std::string_view header) {
    for (const CategoryInfo& info : category_table) {
        for (const std::string_view spelling : info.headers) {
            if (!spelling.empty() && spelling == header) {
                return info.code;
            }
        }
    }
    return std::nullopt;
}

std::optional<ItemCategory> category_of_header_line(std::string_view line) {
    return category_of_header(to_lower_1252(line));
}

std::string_view trim_blanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin])) {
        ++begin;
    }
    while (end > begin && is_blank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

} // namespace torvane
