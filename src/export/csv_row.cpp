#include "export/csv_row.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <variant>

#include "base/text_1252.h"

namespace torvane {

void CsvRow::empty() {
    separate();
}

void CsvRow::integer(std::int32_t value) {
    separate();
    if (value != -1) {
        out_ += std::to_string(value);
    }
}

void CsvRow::real(float value) {
    separate();
    std::array<char, 32> digits{};
    auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out_.append(digits.data(), end);
}

void CsvRow::catalogue_text(std::string_view text) {
    utf8_text(utf8_from_1252(text));
}

void CsvRow::utf8_text(std::string_view text) {
    separate();
    // A NUL byte is no character a spreadsheet reads.
    std::string cell(text);
    std::replace(cell.begin(), cell.end(), '\0', '?');
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
        out_ += cell;
        return;
    }
    out_ += '"';
    for (const char c : cell) {
        out_ += c;
        if (c == '"') {
            out_ += '"';
        }
    }
    out_ += '"';
}

void CsvRow::end() {
    out_ += "\r\n";
}

void CsvRow::separate() {
    if (!first_) {
        out_ += ',';
    }
    first_ = false;
}

void CsvRow::field(const FieldValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        integer(*number);
    } else if (const auto* real_number = std::get_if<float>(&value)) {
        real(*real_number);
    } else if (const auto* text = std::get_if<std::string_view>(&value)) {
        catalogue_text(*text);
    } else {
        empty();
    }
}

} // namespace torvane
