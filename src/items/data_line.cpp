#include "data_line.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

std::size_t next_field_length(std::string_view text) {
    bool quoted = false;
    std::size_t n = 0;
    for (; n < text.size(); ++n) {
        const char c = text[n];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            break;
        }
    }
    return n;
}

int next_field(std::string_view text, std::string& field) {
    const std::size_t n = next_field_length(text);
    field.assign(text.substr(0, n));
    return static_cast<int>(n);
}

std::string_view unquoted(std::string_view field) {
    const std::size_t open = field.find('"');
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t close = field.find('"', open + 1);
    const std::size_t end = close == std::string_view::npos ? field.size() : close;
    return field.substr(open + 1, end - open - 1);
}

int unquote(std::string& text) {
    text = std::string(unquoted(text));
    return static_cast<int>(text.size());
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

struct Sign {
    bool negative = false;
    std::size_t next = 0; // index after the blanks and the sign
};

Sign skip_blanks_and_sign(std::string_view field) {
    Sign sign;
    std::size_t i = 0;
    while (i < field.size() && is_blank(field[i])) {
        ++i;
    }
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        sign.negative = field[i] == '-';
        ++i;
    }
    sign.next = i;
    return sign;
}

// Rough decimal exponent of a well-formed unsigned number ("0.00012e7" gives 4), enough to
// tell an overflow from an underflow.
std::int64_t decimal_magnitude(std::string_view number) {
    std::int64_t magnitude = 0;
    std::size_t i = 0;
    while (i < number.size() && number[i] == '0') {
        ++i;
    }
    while (i < number.size() && is_digit(number[i])) {
        ++magnitude;
        ++i;
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        if (magnitude == 0) {
            while (i < number.size() && number[i] == '0') {
                --magnitude;
                ++i;
            }
        }
        while (i < number.size() && is_digit(number[i])) {
            ++i;
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        magnitude += read_int(number.substr(i + 1));
    }
    return magnitude;
}

bool only_blanks(std::string_view text) {
    return std::ranges::all_of(text, is_blank);
}

struct Decimal {
    double value = 0.0;
    bool whole = false; // the text, blanks aside, was a number and nothing else
};

// whole is told only when asked.
Decimal read_decimal(std::string_view field, bool tell_whole) {
    const Sign sign = skip_blanks_and_sign(field);
    std::size_t i = sign.next;
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < field.size() && is_digit(field[i])) {
        ++i;
        ++digits;
    }
    if (i < field.size() && field[i] == '.') {
        ++i;
        while (i < field.size() && is_digit(field[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    // An exponent counts only with at least one digit: "2e" reads as 2.
    if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < field.size() && (field[j] == '+' || field[j] == '-')) {
            ++j;
        }
        if (j < field.size() && is_digit(field[j])) {
            while (j < field.size() && is_digit(field[j])) {
                ++j;
            }
            i = j;
        }
    }
    const std::string_view number = field.substr(start, i - start);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = decimal_magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != number.data() + number.size()) {
        value = 0.0;
    }
    return {sign.negative ? -value : value, tell_whole && only_blanks(field.substr(i))};
}

// The integer reading, with its doubts told only when Tell is set, so that the plain reading
// pays nothing for them.
template <bool Tell> std::int32_t read_integer(std::string_view field, NumberDoubts& doubts) {
    const Sign sign = skip_blanks_and_sign(field);
    // Accumulate the magnitude with a ceiling, so that any number of digits is safe.
    constexpr std::int64_t ceiling = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    std::size_t i = sign.next;
    for (; i < field.size() && is_digit(field[i]); ++i) {
        magnitude = magnitude * 10 + (field[i] - '0');
        if (magnitude > ceiling) {
            magnitude = ceiling;
            if constexpr (Tell) {
                doubts.clamped = true;
            }
        }
    }
    const std::int64_t value = sign.negative ? -magnitude : magnitude;
    if constexpr (Tell) {
        doubts.not_a_number = i == sign.next || !only_blanks(field.substr(i));
        doubts.clamped = doubts.clamped || value > std::numeric_limits<std::int32_t>::max();
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t read_int(std::string_view field, NumberDoubts& doubts) {
    return read_integer<true>(field, doubts);
}

std::int32_t read_int(std::string_view field) {
    NumberDoubts unasked;
    return read_integer<false>(field, unasked);
}

double read_double(std::string_view field) {
    return read_decimal(field, false).value;
}

float read_float(std::string_view field) {
    return narrow_to_float(read_double(field));
}

float read_float(std::string_view field, NumberDoubts& doubts) {
    const Decimal decimal = read_decimal(field, true);
    doubts.not_a_number = !decimal.whole;
    doubts.clamped = std::abs(decimal.value) > FLT_MAX;
    return narrow_to_float(decimal.value);
}

float narrow_to_float(double value) {
    if (std::isnan(value)) {
        return 0.0F;
    }
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}
