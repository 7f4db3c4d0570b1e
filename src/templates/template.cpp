#include "templates/template.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace torvane {

std::string stat_text(std::int32_t value) {
    if (value == -1) {
        return "?";
    }
    if (value == 0) {
        return {};
    }
    return std::to_string(value);
}

namespace {

// The exact decimal digits of a finite positive value: digits "d0d1d2..." and the decimal
// exponent of d0, so that value = d0.d1d2... x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits digits_of(double value, int precision) {
    std::array<char, 800> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, precision);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    DecimalDigits d;
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            d.digits.push_back(c);
        }
    }
    const std::string_view exp_text = text.substr(e + 1);
    const char* first = exp_text.data() + (exp_text.front() == '+' ? 1 : 0);
    std::from_chars(first, exp_text.data() + exp_text.size(), d.exponent);
    return d;
}

// Enough exact digits to round value to `significant` digits half away from zero. Twenty
// correctly rounded digits decide every case but an apparent tie ("5" then zeros), which
// may hide digits on either side; then the full expansion (767 digits at most) is taken.
DecimalDigits exact_digits(double value, std::size_t significant) {
    DecimalDigits d = digits_of(value, 19);
    const std::string_view tail = std::string_view(d.digits).substr(significant);
    if (!tail.empty() && tail.front() == '5' &&
        tail.find_first_not_of('0', 1) == std::string_view::npos) {
        d = digits_of(value, 770);
    }
    return d;
}

// Keeps the first n digits, rounding half away from zero on the exact digits; a carry out
// of the first digit raises the exponent.
void round_to(DecimalDigits& d, std::size_t n) {
    const bool up = d.digits.size() > n && d.digits[n] >= '5';
    d.digits.resize(n, '0');
    if (!up) {
        return;
    }
    for (std::size_t i = n; i-- > 0;) {
        if (d.digits[i] != '9') {
            ++d.digits[i];
            return;
        }
        d.digits[i] = '0';
    }
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    ++d.exponent;
}

void strip_fraction_zeros(std::string& text, std::size_t fraction_end) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point > fraction_end) {
        return;
    }
    std::size_t keep = fraction_end;
    while (keep > point + 1 && text[keep - 1] == '0') {
        --keep;
    }
    text.erase(keep, fraction_end - keep);
}

} // namespace

std::string class_text(double value) {
    constexpr int significant = 5;
    if (std::isnan(value)) {
        return "?";
    }
    std::string sign;
    if (std::signbit(value) && value != 0.0) {
        sign = "-";
        value = -value;
    }
    if (value == 0.0) {
        return "0.";
    }
    if (std::isinf(value)) {
        return sign + "1.#INF";
    }
    DecimalDigits d = exact_digits(value, significant);
    if (d.exponent < -1 || d.exponent >= significant) {
        round_to(d, significant);
        std::string text = sign + d.digits.substr(0, 1) + "." + d.digits.substr(1);
        strip_fraction_zeros(text, text.size());
        const int exponent = d.exponent;
        std::string exp_text = std::to_string(exponent < 0 ? -exponent : exponent);
        while (exp_text.size() < 3) {
            exp_text.insert(exp_text.begin(), '0');
        }
        return text + "e" + (exponent < 0 ? "-" : "+") + exp_text;
    }
    // Fixed point with 5 - d decimals, d the digits before the point (0 below 1).
    const int before_point = d.exponent + 1;
    const int decimals = significant - before_point;
    const int kept = d.exponent + 1 + decimals; // always 5 here
    const int exponent_before = d.exponent;
    round_to(d, static_cast<std::size_t>(kept));
    const int grown = d.exponent - exponent_before; // 1 when rounding carried over
    std::string integer_part;
    std::string fraction;
    const int integer_digits = before_point + grown;
    if (integer_digits <= 0) {
        integer_part = "0";
        fraction.assign(static_cast<std::size_t>(-integer_digits), '0');
        fraction += d.digits;
    } else {
        integer_part = d.digits.substr(0, static_cast<std::size_t>(integer_digits));
        if (d.digits.size() < static_cast<std::size_t>(integer_digits)) {
            integer_part.resize(static_cast<std::size_t>(integer_digits), '0');
        } else {
            fraction = d.digits.substr(static_cast<std::size_t>(integer_digits));
        }
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    if (decimals == 0) {
        return sign + integer_part;
    }
    std::string text = sign + integer_part + "." + fraction;
    strip_fraction_zeros(text, text.size());
    return text;
}

} // namespace torvane
