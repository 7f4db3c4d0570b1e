#pragma once

#include <cstddef>
#include <cstdint>

#include "items/item.h"

namespace torvane {

// What the loader drops, ignores or reads doubtfully, line by line: the window ignores it,
// a checker for archive authors reports it, and both share the one loader.
enum class LoadFinding {
    empty_field,    // rejected: a data line with an empty field
    no_equals,      // rejected: a data line without "=" after a recognised header
    no_name,        // rejected: a data line that begins with "="
    unknown_header, // a "[" line that matches no section header: ignored
    no_category,    // kept: a data line before any recognised header (undefined category)
    missing_fields, // kept: the line stops early; its missing fields read its last field again
    not_a_number,   // kept: number fields whose text (blanks trimmed) is not wholly a number of
                    // their kind; each reads as its leading number or 0
    number_clamped, // kept: integers beyond the 32-bit range (clamped), or decimals beyond the
                    // float range
};

// One finding on one line of the file.
struct Finding {
    // The physical line of the file, from 1; a line ends at a line feed.
    std::size_t line = 0;
    LoadFinding kind = LoadFinding::empty_field;
    // The category the line was read as, and the fields the finding is about, by their place
    // in that category's data line (bit i: field i); none for findings about the whole line.
    ItemCategory category = undefined_category;
    std::uint16_t fields = 0;

    bool operator==(const Finding&) const = default;
};

// Receives the findings of a load in file order; a line gives at most one finding of each
// kind, a rejected line only its rejection.
class LoadSink {
public:
    LoadSink() = default;
    LoadSink(const LoadSink&) = default;
    LoadSink& operator=(const LoadSink&) = default;
    virtual ~LoadSink() = default;

    virtual void found(const Finding& finding) = 0;
};

} // namespace torvane
