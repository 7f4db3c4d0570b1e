#pragma once

#include <string>
#include <string_view>

namespace torvane {

// Lower case of one Windows-1252 byte: A-Z, the accented capitals 0xC0-0xDE but the
// multiplication sign 0xD7, and 0x8A, 0x8C, 0x8E, 0x9F (S, OE, Z and Y with marks).
unsigned char to_lower_1252(unsigned char byte);

std::string to_lower_1252(std::string_view text);

// The Unicode character of a byte. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same code, so every byte has one.
char32_t unicode_of_1252(unsigned char byte);

// The text in UTF-8, for a terminal or a file outside the catalogue.
std::string utf8_from_1252(std::string_view text);

} // namespace torvane
