#pragma once

#include <cstddef>

// What the loader drops, ignores or reads doubtfully, line by line: the window ignores it,
// a checker for archive authors reports it, and both share the one loader.
enum class LoadFinding {
    empty_field,    // rejected: a data line with an empty field (parse_line gives 1)
    no_equals,      // rejected: a data line without "=" after a recognised header
    no_name,        // rejected: a data line that begins with "=" (parse_line gives 2)
    unknown_header, // a "[" line that matches no section header: ignored
    no_category,    // kept: a data line before any recognised header (undefined category)
    not_a_number,   // kept: a number field whose text (blanks trimmed) is not wholly a number of
                    // its kind; it reads as its leading number or 0
    number_clamped, // kept: an integer beyond the 32-bit range (clamped), or a decimal beyond
                    // the float range
};

// Receives the findings of a load in file order; a line may give several (a kept line one per
// doubtful number field, in field order), a rejected line only its rejection.
class LoadSink {
public:
    LoadSink() = default;
    LoadSink(const LoadSink&) = default;
    LoadSink& operator=(const LoadSink&) = default;
    virtual ~LoadSink() = default;

    // line_number: the physical line of the file, from 1; a line ends at a line feed.
    virtual void found(std::size_t line_number, LoadFinding finding) = 0;
};
