#pragma once

#include <string>
#include <string_view>

// Lower case of one Windows-1252 byte: A-Z, the accented capitals 0xC0-0xDE but the
// multiplication sign 0xD7, and 0x8A, 0x8C, 0x8E, 0x9F (S, OE, Z and Y with marks).
unsigned char to_lower_1252(unsigned char byte);

std::string to_lower_1252(std::string_view text);
