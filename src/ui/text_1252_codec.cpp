#include "text_1252_codec.h"

#include <array>
#include <cstddef>

namespace {

// Characters of the bytes 0x80-0x9F; the rest of the bytes map to the same code point.
constexpr std::array<char16_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a code point, or -1 when Windows-1252 has none.
int byte_of(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
        return static_cast<int>(code_point);
    }
    for (std::size_t i = 0; i < high_controls.size(); ++i) {
        if (high_controls[i] == code_point) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

} // namespace

QString decode_1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(high_controls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

std::string encode_1252(const QString& text, char unmappable) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t code_point = text[i].unicode();
        // A surrogate pair is one character, so it gives one byte.
        if (text[i].isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            code_point = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const int byte = byte_of(code_point);
        bytes.push_back(byte < 0 ? unmappable : static_cast<char>(byte));
    }
    return bytes;
}

bool representable_in_1252(char32_t code_point) {
    return byte_of(code_point) >= 0;
}
