#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// Description templates: plain text with placeholders ("%" and letters) and optional groups
// in braces that show, without their braces, when their placeholder has a value and vanish
// when it is empty.

// The text with every occurrence of placeholder filled with value, group rules included.
// Two limits keep hostile texts from multiplying: a value once inserted is never searched
// again, even when a later group takes it in, and the result is cut where it would grow by
// more than 1024 bytes plus eight times the value's length.
std::string fill_placeholder(std::string_view text, std::string_view placeholder,
                             std::string_view value);

// Text of an integer value: "?" for -1 (not stated), "" for 0 (none), else its digits.
std::string stat_text(std::int32_t value);

// Text of a floating-point value with at most 5 significant digits: «0.», «6.5», «12346»,
// «1.2346e+005». Halfway cases round away from zero. Independent of the C locale.
std::string class_text(double value);

} // namespace torvane
