#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "items/record_fields.h"

namespace torvane {

// One row of a CSV file for spreadsheets, cell after cell: empty, a number, or a text of the
// catalogue (Windows-1252) or of the program (UTF-8), quoted as RFC 4180 asks (a cell with a
// comma, a double quote or a line end in double quotes, its double quotes doubled); end()
// closes it with CR LF. The row is appended to a text of the caller's.
class CsvRow {
public:
    explicit CsvRow(std::string& out) : out_(out) {}

    void empty();
    // -1 is what the catalogue does not state: no number to count with, an empty cell.
    void integer(std::int32_t value);
    void real(float value);
    void catalogue_text(std::string_view text);
    void utf8_text(std::string_view text);
    // A field of a record as its kind asks: empty where the record's class has no such field.
    void field(const FieldValue& value);
    void end();

private:
    void separate();

    std::string& out_;
    bool first_ = true;
};

} // namespace torvane
