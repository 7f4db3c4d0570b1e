#include "text_1252.h"

unsigned char to_lower_1252(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<unsigned char>(byte + 0x20);
    }
    switch (byte) {
    case 0x8A: // S caron
    case 0x8C: // OE ligature
    case 0x8E: // Z caron
        return static_cast<unsigned char>(byte + 0x10);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return byte;
    }
}

std::string to_lower_1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(to_lower_1252(static_cast<unsigned char>(c)));
    }
    return lower;
}
