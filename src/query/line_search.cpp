#include "query/line_search.h"

#include "record_filters.h"

namespace torvane {

std::vector<std::size_t> rows_containing(const PageLines& lines, std::string_view text) {
    std::vector<std::size_t> rows;
    if (text.empty()) {
        return rows;
    }
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (name_contains(lines.text(row), text)) {
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace torvane
