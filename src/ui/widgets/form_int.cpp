#include "form_int.h"

#include <string>

#include "base/integer_text.h"

std::optional<std::int32_t> parse_form_int(const QString& text) {
    // Characters beyond ASCII are neither blanks nor digits: one stands for all of them.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    const torvane::LeadingInteger integer = torvane::read_leading_integer(bytes);
    if (!integer.whole(bytes)) {
        return std::nullopt;
    }
    return integer.value;
}
