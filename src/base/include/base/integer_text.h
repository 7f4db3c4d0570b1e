#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace torvane {

// The C locale's white space: blank, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The one way the program reads an integer from text, for the number fields of the archive
// and for the window's number boxes alike: blanks (the C locale's white space), an optional
// sign, then decimal digits up to the first other character. Any number of digits is safe:
// the value saturates at the ends of the 32-bit range.
struct LeadingInteger {
    std::int32_t value = 0;  // 0 when there are no digits
    std::size_t end = 0;     // where the digits end; where the reading stopped without digits
    bool has_digits = false; //
    bool clamped = false;    // the digits said more than 32 bits hold

    // Whether the whole text, blanks around it aside, is the integer.
    bool whole(std::string_view text) const {
        return has_digits &&
               std::all_of(text.begin() + static_cast<std::ptrdiff_t>(end), text.end(), is_blank);
    }
};

// Inline: the loader reads some ten integers per line of the archive.
inline LeadingInteger read_leading_integer(std::string_view text) {
    LeadingInteger result;
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The magnitude stops growing one past the largest, which still tells a clamp.
    constexpr std::int64_t ceiling = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    bool beyond = false;
    const std::size_t digits_from = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > ceiling) {
            magnitude = ceiling;
            beyond = true;
        }
    }
    result.has_digits = i > digits_from;
    result.end = i;
    const std::int64_t value = negative ? -magnitude : magnitude;
    result.clamped = beyond || value > std::numeric_limits<std::int32_t>::max();
    result.value = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    return result;
}

} // namespace torvane
