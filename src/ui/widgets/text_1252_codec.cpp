#include "text_1252_codec.h"

#include "base/text_1252.h"

namespace {

// The byte of a code point, or -1 when Windows-1252 has none.
int byte_of(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
        return static_cast<int>(code_point);
    }
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (torvane::unicode_of_1252(static_cast<unsigned char>(byte)) == code_point) {
            return byte;
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
        *out++ = QChar(static_cast<char16_t>(torvane::unicode_of_1252(byte)));
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
