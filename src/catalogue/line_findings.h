#pragma once

#include <cstddef>
#include <string_view>

#include "catalogue/load_findings.h"
#include "items/field_notes.h"
#include "items/parse_line.h"

namespace torvane {

// Turns what the loader meets on each line into findings for a sink: a kept line its doubts,
// one finding per kind, a rejected line only its rejection. Without a sink it reports nothing,
// and the field reader need not even take notes.
class LineFindings {
public:
    explicit LineFindings(LoadSink* sink) : sink_(sink) {}

    // The notes the field reader should take for the next line: nullptr without a sink.
    FieldNotes* notes() { return sink_ != nullptr ? &notes_ : nullptr; }

    void unknown_header(std::size_t line_number) const {
        if (sink_ != nullptr) {
            sink_->found({line_number, LoadFinding::unknown_header, undefined_category, 0});
        }
    }
    // A data line of the category has been parsed with this result.
    void parsed(std::size_t line_number, ItemCategory category, std::string_view line,
                ParseResult result) {
        if (sink_ != nullptr) {
            report(line_number, category, line, result);
        }
    }

private:
    void report(std::size_t line_number, ItemCategory category, std::string_view line,
                ParseResult result);

    LoadSink* sink_;
    FieldNotes notes_;
};

} // namespace torvane
