#include "items/data_line.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "base/integer_text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace torvane {

std::size_t read_name(std::string_view line) {
    return std::min(line.find('='), line.size());
}

namespace {

#if defined(__SSE2__)
// The commas and double quotes among the 16 bytes at bytes, as a bit per byte.
std::uint32_t commas_and_quotes(const char* bytes) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i commas = _mm_cmpeq_epi8(block, _mm_set1_epi8(','));
    const __m128i quotes = _mm_cmpeq_epi8(block, _mm_set1_epi8('"'));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(commas, quotes)));
}
#endif

} // namespace

std::size_t next_field_length(std::string_view text) {
    bool quoted = false;
    std::size_t n = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time while they last, the loader reading every field of every line
    // this way; only the commas and double quotes among them are looked at.
    for (; n + 16 <= text.size(); n += 16) {
        for (std::uint32_t found = commas_and_quotes(text.data() + n); found != 0;
             found &= found - 1) {
            const std::size_t at = n + static_cast<std::size_t>(std::countr_zero(found));
            if (text[at] == '"') {
                quoted = !quoted;
            } else if (!quoted) {
                return at;
            }
        }
    }
#endif
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

std::string_view unquoted(std::string_view field) {
    const std::size_t open = field.find('"');
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t close = field.find('"', open + 1);
    const std::size_t end = close == std::string_view::npos ? field.size() : close;
    return field.substr(open + 1, end - open - 1);
}

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
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
        magnitude += read_leading_integer(number.substr(i + 1)).value;
    }
    return magnitude;
}

struct Decimal {
    double value = 0.0;
    bool whole = false; // the text, blanks aside, was a number and nothing else
};

Decimal read_decimal(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && is_blank(field[i])) {
        ++i;
    }
    const bool negative = i < field.size() && field[i] == '-';
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        ++i;
    }
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
    const std::string_view after = field.substr(i);
    return {negative ? -value : value, std::all_of(after.begin(), after.end(), is_blank)};
}

// Narrows to a 32-bit float; values beyond its range become the largest finite float.
float narrow_to_float(double value) {
    if (std::isnan(value)) {
        return 0.0F;
    }
    return static_cast<float>(std::clamp(value, double{-FLT_MAX}, double{FLT_MAX}));
}

} // namespace

NumberField<float> read_float(std::string_view field) {
    const Decimal decimal = read_decimal(field);
    return {narrow_to_float(decimal.value), !decimal.whole, std::abs(decimal.value) > FLT_MAX};
}

FieldReader::FieldReader(std::string_view line, std::size_t fields_from, FieldNotes* notes)
    : line_(line), rest_(line.substr(std::min(fields_from, line.size()))), notes_(notes) {
    // Where each field ends, as far as any category reads.
    const std::size_t size = rest_.size();
    std::size_t at = 0;
    while (field_count_ + 1 < ends_.size()) {
        at += next_field_length(rest_.substr(at));
        ends_[field_count_++] = static_cast<std::uint32_t>(at);
        if (at == size) {
            return;
        }
        ++at; // past the comma
    }
    ends_[field_count_++] = static_cast<std::uint32_t>(size);
}

FieldReader::Field FieldReader::next() {
    // Once the line has ended, every further field reads the last one present again, and
    // after an empty field every further one reads that empty field: the program's
    // established way of reading short lines, which archives rely on.
    const bool repeated = stuck_ && !failed_;
    const std::size_t begin = at_ == 0 ? 0 : ends_[at_ - 1] + std::size_t{1};
    const std::size_t end = ends_[at_];
    // The ends lie in rest_, each after the one before.
    const std::string_view field(rest_.data() + begin, end - begin);
    if (field.empty()) {
        if (!failed_) {
            doubt(FieldDoubt::empty);
        }
        failed_ = true;
        stuck_ = true;
    } else if (repeated) {
        doubt(FieldDoubt::missing);
    } else if (end + 1 < rest_.size() && at_ + 1 < field_count_) {
        ++at_;
    } else {
        stuck_ = true;
    }
    return {field, repeated};
}

void FieldReader::doubt(FieldDoubt doubt) const {
    if (notes_ != nullptr) {
        notes_->note(field_, doubt);
    }
}

namespace {

// The value of a field of one to nine digits and nothing else, the usual number field, which
// cannot pass 32 bits; none for any other field.
std::optional<std::int32_t> plain_digits(std::string_view field) {
    if (field.empty() || field.size() > 9) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (const char c : field) {
        const auto digit = static_cast<unsigned>(c - '0');
        if (digit > 9) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::int32_t>(digit);
    }
    return value;
}

} // namespace

void FieldReader::integer(std::int32_t& target) {
    const auto [field, repeated] = next();
    // The usual field, plain digits, needs neither blanks, sign nor range looked at.
    if (const std::optional<std::int32_t> value = plain_digits(field)) {
        target = *value;
    } else if (!field.empty()) {
        const LeadingInteger number = read_leading_integer(field);
        target = number.value;
        // A repeat is noted as missing; its number says nothing of its own.
        if (notes_ != nullptr && !repeated) {
            if (!number.whole(field)) {
                doubt(FieldDoubt::not_a_number);
            }
            if (number.clamped) {
                doubt(FieldDoubt::number_clamped);
            }
        }
    }
    ++field_;
}

void FieldReader::real(float& target) {
    const auto [field, repeated] = next();
    if (!field.empty()) {
        const NumberField<float> number = read_float(field);
        target = number.value;
        if (notes_ != nullptr && !repeated) {
            if (number.not_a_number) {
                doubt(FieldDoubt::not_a_number);
            }
            if (number.clamped) {
                doubt(FieldDoubt::number_clamped);
            }
        }
    }
    ++field_;
}

void FieldReader::text(LineText& target) {
    if (const std::string_view value = unquoted(next().text); !value.empty()) {
        target = {static_cast<std::uint32_t>(value.data() - line_.data()),
                  static_cast<std::uint32_t>(value.size())};
    }
    ++field_;
}

} // namespace torvane
