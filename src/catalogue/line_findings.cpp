#include "line_findings.h"

#include "items/category_table.h"

void LineFindings::report(std::size_t line_number, int category, std::string_view line,
                          int result) {
    if (result == 0) {
        if (category == undefined_category) {
            sink_->found(line_number, LoadFinding::no_category);
        }
        for (const FieldDoubt doubt : doubts_) {
            sink_->found(line_number, doubt == FieldDoubt::not_a_number
                                          ? LoadFinding::not_a_number
                                          : LoadFinding::number_clamped);
        }
    } else if (result == 2) {
        sink_->found(line_number, LoadFinding::no_name);
    } else {
        // Without "=" the first field is missing, which parse_line reports as an empty field.
        sink_->found(line_number, line.find('=') == std::string_view::npos
                                      ? LoadFinding::no_equals
                                      : LoadFinding::empty_field);
    }
    doubts_.clear();
}
