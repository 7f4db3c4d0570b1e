#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace torvane {

// A data line is always read as far as it goes: a missing field repeats the last one present,
// a number field that is not wholly a number reads as its leading number or 0, a number beyond
// its range is clamped. Authors of archive files want to hear of each, field by field, so the
// field reader notes them when asked to.
enum class FieldDoubt : std::uint8_t {
    empty,          // the field is empty: the line is rejected
    missing,        // the line stopped before the field, which read the last one present again
    not_a_number,   // a number field whose text, blanks aside, is not wholly a number of its kind
    number_clamped, // an integer beyond 32 bits, or a decimal beyond the float range
};

inline constexpr std::size_t field_doubt_count = 4;

// The fields of one line with each doubt, by their place in the category's data line (0 the
// first field after the "="). No category reads more than sixteen fields.
class FieldNotes {
public:
    void note(std::size_t field, FieldDoubt doubt) {
        fields_[static_cast<std::size_t>(doubt)] |= static_cast<std::uint16_t>(1U << field);
    }
    // Bit i set: field i has the doubt.
    std::uint16_t fields(FieldDoubt doubt) const {
        return fields_[static_cast<std::size_t>(doubt)];
    }
    void clear() { fields_ = {}; }

private:
    std::array<std::uint16_t, field_doubt_count> fields_{};
};

} // namespace torvane
