// Windows-1252 as the catalogue's text: the lower case a name search compares, and UTF-8 for
// files outside the catalogue, for bytes whose meaning the code page fixes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/text_1252.h"

namespace {

using torvane::to_lower_1252;
using torvane::utf8_from_1252;

TEST(Text1252, LowerCaseOfCapitalsOnly) {
    const std::vector<std::pair<unsigned char, unsigned char>> cases = {
        {'A', 'a'},   {'Z', 'z'}, {'a', 'a'}, {'@', '@'}, {'[', '['}, {0xC0, 0xE0}, // A grave
        {0xDE, 0xFE},                                                               // thorn
        {0xD7, 0xD7}, // the multiplication sign has no lower case
        {0xDF, 0xDF}, // sharp s is lower case already
        {0x8A, 0x9A}, // S caron
        {0x8C, 0x9C}, // OE
        {0x8E, 0x9E}, // Z caron
        {0x9F, 0xFF}, // Y diaeresis
        {0x80, 0x80}, // the euro sign
        {0x81, 0x81}, // unassigned
    };
    for (const auto& [capital, lower] : cases) {
        EXPECT_EQ(to_lower_1252(capital), lower) << static_cast<int>(capital);
    }
    EXPECT_EQ(to_lower_1252(std::string("ABILIT\xC0 \x8A\x9F")), "abilit\xE0 \x9A\xFF");
}

TEST(Text1252, Utf8OfOneTwoAndThreeBytes) {
    // a, a grave, the euro sign, the unassigned 0x81 as the control character U+0081, and
    // Y diaeresis (U+0178).
    EXPECT_EQ(utf8_from_1252("a\xE0\x80\x81\x9F"), "a\xC3\xA0\xE2\x82\xAC\xC2\x81\xC5\xB8");
    EXPECT_EQ(utf8_from_1252(std::string("\0", 1)), std::string("\0", 1));
}

} // namespace
