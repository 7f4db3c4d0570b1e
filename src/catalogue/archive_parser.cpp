#include "archive_parser.h"

#include <algorithm>

#include "archive_format.h"
#include "items/category_table.h"
#include "items/record_arena.h"
#include "line_findings.h"

LargeVector<Item*> parse_archive_text(std::string_view text, int category, std::size_t first_line,
                                      RecordArena& arena, LineFindings& findings) {
    LargeVector<Item*> records;
    std::size_t start = 0;
    for (std::size_t line_number = first_line; start < text.size(); ++line_number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = trim_blanks(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const int code = category_of_header_line(line);
            if (code >= 0) {
                category = code;
            } else {
                findings.unknown_header(line_number);
            }
            continue;
        }
        // A rejected line gives its record's memory back at once.
        const RecordArena::Mark mark = arena.mark();
        Item* const item = create_item(category, arena);
        const int result = item->parse_line(line);
        findings.parsed(line_number, category, line, result);
        if (result == 0) {
            records.push_back(item);
        } else {
            item->release();
            arena.roll_back(mark);
        }
    }
    return records;
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
            if (const int code = category_of_header_line(line); code >= 0) {
                return code;
            }
        }
        next_start = start;
    }
    return undefined_category;
}
