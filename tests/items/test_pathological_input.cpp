// Records and templates fed with what a hand-edited or hostile catalogue line can hold:
// tens of thousands of braces and placeholders, a mebibyte line, NUL bytes, bytes that
// Windows-1252 leaves unassigned, and numbers far beyond any range.
#include <cfloat>
#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_1252.h"
#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/parse_line.h"
#include "templates/template.h"

namespace {

constexpr std::size_t kibibyte = 1024;
constexpr std::size_t line_size = 64 * kibibyte;

using namespace item_test;

// a + b without the literal-first operator+, which trips a false -Wrestrict in GCC 12.
std::string joined(std::string_view a, std::string_view b) {
    std::string text(a);
    text += b;
    return text;
}

// Each of these takes one pass; the plain way of filling (nearest "{" searched backwards,
// closing brace searched to the end, group text rescanned) needs time quadratic in them.
TEST(HostileTemplates, LongRunsOfBracesAndPlaceholdersFillCorrectly) {
    const std::size_t n = line_size / 5;
    // Each group takes in the value that the group inside it left.
    EXPECT_EQ(fill_placeholder(repeat("{", n) + repeat("%lvl}", n), "%lvl", "7"), repeat("7", n));
    EXPECT_EQ(fill_placeholder(repeat("{", n) + repeat("%lvl}", n), "%lvl", ""), "");
    // No closing brace after any occurrence: every one is bare.
    EXPECT_EQ(fill_placeholder(joined("{", repeat("%lvl{", n)), "%lvl", "7"),
              joined("{", repeat("7{", n)));
    EXPECT_EQ(fill_placeholder(joined("{", repeat("%lvl{", n)), "%lvl", ""), repeat("{", n + 1));
    EXPECT_EQ(fill_placeholder(repeat("%lvl", n), "%lvl", "12"), repeat("12", n));
    // One group that holds every occurrence; its inner braces stay.
    EXPECT_EQ(fill_placeholder(repeat("{%n", n) + repeat("}", n), "%n", "X"),
              joined("X", repeat("{X", n - 1)) + repeat("}", n - 1));
}

TEST(HostileTemplates, ValueHoldingItsPlaceholderIsNeverFilledAgain) {
    // Each group takes in what the groups inside it became: were the values searched again,
    // 64 levels would double the text 64 times.
    const std::string nested = repeat("{", 64) + repeat("%n}", 64);
    EXPECT_EQ(fill_placeholder(nested, "%n", "%n%n"), repeat("%n%n", 64));
    EXPECT_EQ(fill_placeholder("{x %n}, %n", "%n", "%n%n"), "x %n%n, %n%n");
}

TEST(HostileTemplates, GrowthOfOneFillIsBounded) {
    // A name of many placeholders and a long value would multiply into gigabytes.
    const std::string text = repeat("%loc", 16 * kibibyte);
    const std::string value(64 * kibibyte, 'v');
    const std::string filled = fill_placeholder(text, "%loc", value);
    // The ninth value passes the bound of 1024 bytes plus eight values: the text is cut there.
    EXPECT_EQ(filled, repeat(value, 9) + repeat("%loc", 256));
    // Within the bound nothing is cut.
    EXPECT_EQ(fill_placeholder(repeat("%loc", 8), "%loc", value), repeat(value, 8));
}

// Every category renders 64 KiB lines mixed from braces, placeholders and double quotes.
TEST(HostileLines, MixesOfBracesPlaceholdersAndQuotesRenderInEveryCategory) {
    const std::string tokens[] = {"{", "}", "%lvl", "%n", "\"", ",", "="};
    std::mt19937 random(20261207);
    std::vector<std::string> lines = {
        repeat("{", line_size / 5) + repeat("%lvl}", line_size / 5),
        repeat("{%n", line_size / 6) + "=" + repeat("}\"%lvl", line_size / 10),
        repeat("%lvl", line_size / 8) + "=\"" + repeat("{%n}", line_size / 8) + "\",1",
    };
    for (std::size_t mix = 0; mix < 3; ++mix) {
        std::string line;
        while (line.size() < line_size) {
            line += tokens[random() % (mix == 0 ? 5 : 7)];
        }
        lines.push_back(line);
    }
    for (const std::string& line : lines) {
        for (int code = 0; code <= 20; ++code) {
            const Record item(code, line);
            const std::string text = description(*item);
            EXPECT_FALSE(text.empty());
            // The name opens every template, and what precedes its first brace or
            // placeholder cannot be touched by any fill.
            const std::string_view name = item->name();
            const std::string_view untouched = name.substr(0, name.find_first_of("{%"));
            EXPECT_EQ(text.substr(0, untouched.size()), untouched) << code;
        }
    }
}

TEST(HostileLines, NameOfNestedGroupsDoesNotMultiplyTheLocation) {
    // Filled the plain way, each of the 40 groups would double the copies of "%loc" that
    // the groups inside it left: a line of 250 bytes would need terabytes.
    const std::string name = repeat("{", 40) + repeat("%loc}", 40);
    const Record weapon(1, name + R"(="",1,2,3,"%loc%loc",4,5)");
    ASSERT_EQ(weapon.result(), ParseResult::accepted);
    EXPECT_EQ(description(*weapon),
              repeat("%loc%loc", 40) + " - Dmg 4-5 (4), For 1, Int 2, Sag 3, Luogo: %loc%loc");
}

TEST(HostileLines, NameOfManyPlaceholdersAndALongLocationStayBounded) {
    // 10,000 copies of a 40 KB location would make a description of 400 MB.
    const std::string place(40000, 'p');
    const Record weapon(1, repeat("%loc", 10000) + R"(="",1,2,3,")" + place + R"(",4,5)");
    ASSERT_EQ(weapon.result(), ParseResult::accepted);
    const std::string text = description(*weapon);
    EXPECT_LT(text.size(), 1000000u);
    EXPECT_EQ(text.substr(0, 8 * place.size()), repeat(place, 8));
}

TEST(HostileLines, MebibyteLineIsReadWhole) {
    const std::string name(kibibyte * kibibyte, 'n');
    const Record plain(0, name);
    EXPECT_EQ(plain->name(), name);
    EXPECT_EQ(description(*plain), name + " (Indefinito)");

    const std::string place(kibibyte * kibibyte, 'p');
    const Record weapon(1, R"(Spada="",1,2,3,")" + place + R"(",4,6)");
    ASSERT_EQ(weapon.result(), ParseResult::accepted);
    EXPECT_EQ(weapon->location(), place);
    EXPECT_NE(description(*weapon).find(place), std::string::npos);
}

TEST(HostileLines, NulBytesAreOrdinaryCharacters) {
    const std::string line("Spa\0da=\"b\0n\",\0"
                           "12,3,4,\"lu\0go\",5,9",
                           32);
    const Record weapon(1, line);
    ASSERT_EQ(weapon.result(), ParseResult::accepted);
    EXPECT_EQ(weapon->name(), std::string("Spa\0da", 6));
    EXPECT_EQ(weapon->location(), std::string("lu\0go", 5));
    EXPECT_EQ(weapon->strength, 0); // "\0" followed by digits is not a number
    EXPECT_EQ(weapon->intelligence, 3);
    EXPECT_EQ(description(*weapon).substr(0, 6), std::string("Spa\0da", 6));
}

TEST(HostileLines, UnassignedAndControlBytesAreKept) {
    const std::string odd = "\x81\x8D\x8F\x90\x9D\x7F\x01\xFF";
    const Record plain(0, odd);
    EXPECT_EQ(plain->name(), odd);
    EXPECT_EQ(description(*plain), odd + " (Indefinito)");
    // Lower-casing leaves bytes without a small letter as they are.
    EXPECT_EQ(to_lower_1252(odd), odd);
    EXPECT_EQ(to_lower_1252("\xC0\xDE\xD7\x8A"), "\xE0\xFE\xD7\x9A");
}

TEST(HostileNumbers, HundredsOfDigitsSaturate) {
    const std::string digits(300, '9');
    const std::string zeros(300, '0');
    const Record weapon(1, "Spada=\"\"," + digits + ",-" + digits + "," + zeros + "7,\"x\"," +
                               digits + "," + digits);
    ASSERT_EQ(weapon.result(), ParseResult::accepted);
    EXPECT_EQ(weapon->strength, INT_MAX);
    EXPECT_EQ(weapon->intelligence, INT_MIN);
    EXPECT_EQ(weapon->wisdom, 7);
    EXPECT_EQ(requirement(*weapon), INT_MAX); // a sum beyond 32 bits saturates
    EXPECT_TRUE(std::isfinite(efficacy(*weapon)));
    EXPECT_NE(description(*weapon).find("2147483647"), std::string::npos);
}

TEST(HostileNumbers, HugeExponentsStayFinite) {
    const std::string head = R"(Cotta="",1,2,3,4,5,6,"x",)";
    const struct {
        std::string field;
        float expected;
    } cases[] = {
        {"1e99999", FLT_MAX},
        {"1e999999999999999999999999", FLT_MAX},
        {joined("1", std::string(400, '0')), FLT_MAX},
        {"1e-99999", 0.0F},
        {joined("0.", std::string(400, '0')) + "1", 0.0F},
        {"-1e99999", 0.0F}, // a negative class counts as 0
        {joined("4.5", std::string(500, '0')) + "1", 4.5F},
    };
    for (const auto& c : cases) {
        const Record armour(3, head + c.field);
        ASSERT_EQ(armour.result(), ParseResult::accepted) << c.field;
        EXPECT_EQ(efficacy(*armour), c.expected) << c.field;
        EXPECT_FALSE(description(*armour).empty());
    }
    const Record huge(3, head + "1e99999");
    EXPECT_NE(description(*huge).find(class_text(FLT_MAX)), std::string::npos);
    const Record negative(3, head + "-1e99999");
    EXPECT_NE(description(*negative).find('?'), std::string::npos);
}

} // namespace
