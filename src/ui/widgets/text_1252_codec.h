#pragma once

#include <string>
#include <string_view>

#include <QString>

// The core keeps every text as Windows-1252 bytes; the window converts only at its edge.

// Every one of the 256 byte values has a character: the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same code.
QString decode_1252(std::string_view bytes);

// Bytes for the text; each character that Windows-1252 cannot hold becomes `unmappable`.
std::string encode_1252(const QString& text, char unmappable);

// Whether the character has a Windows-1252 byte.
bool representable_in_1252(char32_t code_point);
