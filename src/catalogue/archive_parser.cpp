#include "archive_parser.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/byte_count.h"
#include "catalogue/archive_format.h"
#include "items/category_table.h"
#include "items/parse_line.h"
#include "line_findings.h"

namespace torvane {

std::size_t parse_archive_text(std::string_view text, int category, std::size_t first_line,
                               LineFindings& findings, std::span<Item> room,
                               std::vector<CategoryRun>& runs) {
    std::size_t count = 0;
    std::size_t start = 0;
    PrefaultAhead pages(room.data(), room.size());
    for (std::size_t line_number = first_line; start < text.size(); ++line_number) {
        const void* const feed = std::memchr(text.data() + start, '\n', text.size() - start);
        const std::size_t end =
            feed == nullptr
                ? text.size()
                : static_cast<std::size_t>(static_cast<const char*>(feed) - text.data());
        const std::string_view line = trim_blanks(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (const std::optional<ItemCategory> code = category_of_header_line(line)) {
                category = *code;
            } else {
                findings.unknown_header(line_number);
            }
            continue;
        }
        // A rejected record's place is taken by the next one.
        pages.before_writing(&room[count] + 1);
        Item& item = *std::construct_at(&room[count]);
        const ParseResult result = parse_line(item, category, line, findings.notes());
        findings.parsed(line_number, category, line, result);
        if (result == ParseResult::accepted) {
            if (runs.empty() || runs.back().category != item.category || runs.back().end != count) {
                runs.push_back({count, count, item.category});
            }
            runs.back().end = ++count;
        }
    }
    return count;
}

int category_at(std::string_view text, std::size_t at) {
    // Line by line backwards; each line ends at the line feed before the line after it.
    std::size_t next_start = at;
    while (next_start > 0) {
        const std::size_t line_feed = next_start - 1;
        const std::size_t found =
            line_feed == 0 ? std::string_view::npos : text.rfind('\n', line_feed - 1);
        const std::size_t start = found == std::string_view::npos ? 0 : found + 1;
        const std::string_view line = trim_blanks(text.substr(start, line_feed - start));
        if (!line.empty() && line.front() == '[') {
            if (const std::optional<ItemCategory> code = category_of_header_line(line)) {
                return *code;
            }
        }
        next_start = start;
    }
    return undefined_category;
}

std::size_t line_count(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    return count_byte(text, '\n') + (text.back() != '\n' ? 1 : 0);
}

} // namespace torvane
