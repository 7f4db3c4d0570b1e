#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "items/field_doubts.h"
#include "load_findings.h"

// Turns what the loader meets on each line into findings for a sink. The doubts of a line's
// number fields are held until the line's fate is known: a kept line reports them, a
// rejected line only its rejection. Without a sink it reports nothing.
class LineFindings final : public FieldDoubtListener {
public:
    explicit LineFindings(LoadSink* sink) : sink_(sink) {}

    // The listener to install while lines are parsed: nullptr without a sink, so that the
    // field reader does not even gather its doubts.
    FieldDoubtListener* listener() { return sink_ != nullptr ? this : nullptr; }

    void doubt(FieldDoubt doubt) override { doubts_.push_back(doubt); }

    void unknown_header(std::size_t line_number) const {
        if (sink_ != nullptr) {
            sink_->found(line_number, LoadFinding::unknown_header);
        }
    }
    // A data line of the category has been parsed with this result of parse_line.
    void parsed(std::size_t line_number, int category, std::string_view line, int result) {
        if (sink_ != nullptr) {
            report(line_number, category, line, result);
        }
    }

private:
    void report(std::size_t line_number, int category, std::string_view line, int result);

    LoadSink* sink_;
    std::vector<FieldDoubt> doubts_;
};
