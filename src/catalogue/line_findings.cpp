#include "line_findings.h"

#include "items/category_table.h"

namespace torvane {

void LineFindings::report(std::size_t line_number, ItemCategory category, std::string_view line,
                          ParseResult result) {
    const auto found = [&](LoadFinding kind, std::uint16_t fields) {
        sink_->found({line_number, kind, category, fields});
    };
    switch (result) {
    case ParseResult::accepted:
        if (category == undefined_category) {
            found(LoadFinding::no_category, 0);
        }
        for (const auto& [doubt, kind] :
             {std::pair{FieldDoubt::missing, LoadFinding::missing_fields},
              std::pair{FieldDoubt::not_a_number, LoadFinding::not_a_number},
              std::pair{FieldDoubt::number_clamped, LoadFinding::number_clamped}}) {
            if (const std::uint16_t fields = notes_.fields(doubt); fields != 0) {
                found(kind, fields);
            }
        }
        break;
    case ParseResult::no_name:
        found(LoadFinding::no_name, 0);
        break;
    case ParseResult::empty_field:
        // Without "=" the first field is missing, which the reader takes for an empty field.
        if (line.find('=') == std::string_view::npos) {
            found(LoadFinding::no_equals, 0);
        } else {
            found(LoadFinding::empty_field, notes_.fields(FieldDoubt::empty));
        }
        break;
    }
    notes_.clear();
}

} // namespace torvane
