#pragma once

#include <cstdint>
#include <optional>

#include <QString>

// The integer in a number box, read as the archive's number fields are (read_leading_integer),
// but only when the box holds that integer and nothing else: where a field reads what it can,
// since archives rely on it, the window asks the user to put the box right. Values beyond the
// 32-bit range saturate to its ends.
std::optional<std::int32_t> parse_form_int(const QString& text);
