#include <cfloat>
#include <climits>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "base/integer_text.h"
#include "items/data_line.h"
#include "items/field_notes.h"
#include "items/item_test_support.h"
#include "items/parse_line.h"

namespace {

using namespace item_test;

TEST(NextFieldLength, EndsAtTheFirstCommaOutsideQuotes) {
    const struct {
        std::string_view text;
        std::size_t length;
    } cases[] = {{"\"a,b\",rest", 5},
                 {"ab\"c,d,e", 8}, // a lone double quote runs to the end
                 {",x", 0},
                 {"", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(next_field_length(c.text), c.length) << c.text;
    }
}

TEST(Unquoted, KeepsOnlyTheFirstQuotedPart) {
    const std::pair<std::string_view, std::string_view> cases[] = {{"12", ""},
                                                                   {"x\"abc", "abc"},
                                                                   {R"(a"one"b"two")", "one"},
                                                                   {"\"\"", ""},
                                                                   {"\"a,b\"", "a,b"}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(unquoted(text), expected) << text;
    }
}

TEST(ReadInt, BlanksSignDigitsThenStop) {
    const struct {
        std::string_view text;
        std::int32_t value;
        bool not_a_number;
    } cases[] = {{"42", 42, false}, {" \t-7", -7, false}, {"+3", 3, false},   {"12abc", 12, true},
                 {"3.9", 3, true},  {"6,5", 6, true},     {"007", 7, false},  {"", 0, true},
                 {"abc", 0, true},  {"- 5", 0, true},     {"\"5\"", 0, true}, {"+-5", 0, true},
                 {"8 \t", 8, false}};
    for (const auto& c : cases) {
        const LeadingInteger field = read_leading_integer(c.text);
        EXPECT_EQ(field.value, c.value) << c.text;
        EXPECT_EQ(!field.whole(c.text), c.not_a_number) << c.text;
        EXPECT_FALSE(field.clamped) << c.text;
    }
}

TEST(ReadInt, SaturatesBeyond32Bits) {
    const struct {
        std::string text;
        std::int32_t value;
        bool clamped;
    } cases[] = {
        {"2147483647", INT_MAX, false},         {"2147483648", INT_MAX, true},
        {"-2147483648", INT_MIN, false},        {"-2147483649", INT_MIN, true},
        {std::string(400, '9'), INT_MAX, true}, {"-" + std::string(400, '9'), INT_MIN, true}};
    for (const auto& c : cases) {
        const LeadingInteger field = read_leading_integer(c.text);
        EXPECT_EQ(field.value, c.value) << c.text;
        EXPECT_EQ(field.clamped, c.clamped) << c.text;
        EXPECT_TRUE(field.whole(c.text)) << c.text;
    }
}

TEST(ReadFloat, DecimalWithFractionAndExponent) {
    // An exponent without digits is left out: "2e" reads as 2.
    const struct {
        std::string_view text;
        float value;
        bool not_a_number;
    } cases[] = {{"6.5", 6.5F, false},      {"  -2.25", -2.25F, false}, {"+1e3", 1000.0F, false},
                 {"1.5E-2", 0.015F, false}, {".5", 0.5F, false},        {"5.", 5.0F, false},
                 {"2.3", 2.3F, false},      {"12abc", 12.0F, true},     {"6,5", 6.0F, true},
                 {"2e", 2.0F, true},        {"2e+", 2.0F, true},        {"2e-x", 2.0F, true}};
    for (const auto& c : cases) {
        const NumberField<float> field = read_float(c.text);
        EXPECT_EQ(field.value, c.value) << c.text;
        EXPECT_EQ(field.not_a_number, c.not_a_number) << c.text;
    }
}

TEST(ReadFloat, NeverReadsNanInfinityOrHexadecimal) {
    for (const char* text : {"nan", "NAN(1)", "inf", "-infinity", "", ".", "-", "e5", "\"6.5\""}) {
        EXPECT_EQ(read_float(text).value, 0.0F) << text;
        EXPECT_TRUE(read_float(text).not_a_number) << text;
    }
    EXPECT_EQ(read_float("0x1p4").value, 0.0F);
    EXPECT_EQ(read_float("1x10").value, 1.0F);
}

TEST(ReadFloat, OutOfRangeBecomesTheLargestFiniteFloatOrZero) {
    const struct {
        std::string text;
        float value;
        bool clamped;
    } cases[] = {{"1e39", FLT_MAX, true},
                 {"-1e39", -FLT_MAX, true},
                 {"1e400", FLT_MAX, true},
                 {"-1e400", -FLT_MAX, true},
                 {"1" + std::string(400, '0'), FLT_MAX, true},
                 {"1e99999999999999999999", FLT_MAX, true},
                 {"1e-50", 0.0F, false},
                 {"1e-400", 0.0F, false},
                 {"0e999999", 0.0F, false}};
    for (const auto& c : cases) {
        const NumberField<float> field = read_float(c.text);
        EXPECT_EQ(field.value, c.value) << c.text;
        EXPECT_EQ(field.clamped, c.clamped) << c.text;
    }
}

// The field-reading procedure, seen through weapons, which read seven fields: text, three
// integers, text, two integers.

TEST(FieldReading, MissingTrailingFieldsRepeatTheLastOne) {
    const Record weapon = parsed(1, "W=\"b\",5,6");
    EXPECT_EQ(weapon->strength, 5);
    EXPECT_EQ(weapon->intelligence, 6);
    EXPECT_EQ(weapon->wisdom, 6);
    EXPECT_EQ(weapon->location(), ""); // the unquoted "6" is empty
    EXPECT_EQ(damage(*weapon).min_damage, 6);
    EXPECT_EQ(damage(*weapon).max_damage, 6);
}

TEST(FieldReading, TrailingCommaAlsoRepeatsTheLastField) {
    const Record weapon = parsed(1, "W=\"b\",5,6,");
    EXPECT_EQ(weapon->wisdom, 6);
    EXPECT_EQ(damage(*weapon).max_damage, 6);
}

TEST(FieldReading, EmptyFieldRejectsTheLine) {
    for (const char* line : {R"(W="b",5,,6,"l",1,2)", "W=", R"(W=,"b",5,6,"l",1,2)",
                             "W"}) { // the last has a name but no fields
        EXPECT_EQ(parse_result(1, line), ParseResult::empty_field) << line;
    }
}

TEST(FieldReading, NoNameRejectsTheLine) {
    EXPECT_EQ(parse_result(1, "=\"b\",5,6"), ParseResult::no_name);
    EXPECT_EQ(parse_result(1, ""), ParseResult::no_name);
}

TEST(FieldReading, NameKeepsBlanksAndLaterEqualsIsFieldText) {
    const Record weapon = parsed(1, R"(Ascia ="x=y",1,2,3,"a=b",4,5,extra,,)");
    EXPECT_EQ(weapon->name(), "Ascia ");
    EXPECT_EQ(bonus(*weapon), "x=y");
    EXPECT_EQ(weapon->location(), "a=b");
    EXPECT_EQ(damage(*weapon).max_damage, 5);
}

TEST(FieldReading, QuotedNumberReadsZeroAndEmptyQuotesLeaveTextUnset) {
    const Record weapon = parsed(1, R"(W="","7",2,3,plain,4,5)");
    EXPECT_EQ(bonus(*weapon), "");
    EXPECT_EQ(weapon->strength, 0);
    EXPECT_EQ(weapon->intelligence, 2);
    EXPECT_EQ(weapon->location(), "");
    EXPECT_EQ(damage(*weapon).min_damage, 4);
}

TEST(FieldReading, QuotedCommaDoesNotSplit) {
    const Record weapon = parsed(1, R"(W="+1, +2",1,2,3,"Torre, nord",4,5)");
    EXPECT_EQ(bonus(*weapon), "+1, +2");
    EXPECT_EQ(weapon->location(), "Torre, nord");
    EXPECT_EQ(damage(*weapon).min_damage, 4);
}

// Bit i: field i after the "=" has the doubt.
TEST(FieldReading, NotesEachDoubtfulFieldOnce) {
    const struct {
        ItemCategory category;
        std::string_view line;
        std::uint16_t empty, missing, not_a_number, clamped;
    } cases[] = {{1, R"(W="b",1,2,3,"l",4,5)", 0, 0, 0, 0},
                 {1, R"(W="b",5,6)", 0, 0b1111000, 0, 0},
                 {1, R"(W="b",5,6,)", 0, 0b1111000, 0, 0},
                 // Only the first empty field; the ones after it read it again.
                 {1, R"(W="b",5,,6,"l",1,2)", 0b100, 0, 0, 0},
                 {1, R"(W="",12abc,99999999999,3,"x",1e3,-5)", 0, 0, 0b100010, 0b100},
                 // A repeated field is noted as missing, not for its number again.
                 {1, R"(W="",99999999999x)", 0, 0b1111100, 0b10, 0b10},
                 {3, R"(A="",0,0,0,0,0,0,"",1e39x)", 0, 0, 0b100000000, 0b100000000},
                 // A line without a name reads no field.
                 {1, R"(="",x,,1)", 0, 0, 0, 0}};
    for (const auto& c : cases) {
        FieldNotes notes;
        Item item;
        parse_line(item, c.category, c.line, &notes);
        EXPECT_EQ(notes.fields(FieldDoubt::empty), c.empty) << c.line;
        EXPECT_EQ(notes.fields(FieldDoubt::missing), c.missing) << c.line;
        EXPECT_EQ(notes.fields(FieldDoubt::not_a_number), c.not_a_number) << c.line;
        EXPECT_EQ(notes.fields(FieldDoubt::number_clamped), c.clamped) << c.line;
    }
}

} // namespace
