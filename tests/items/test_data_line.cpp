#include <cfloat>
#include <climits>
#include <cmath>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "items/data_line.h"
#include "items/item_test_support.h"
#include "items/weapon_item.h"

namespace {

TEST(NextField, EndsAtTheFirstCommaOutsideQuotes) {
    std::string field = "old";
    EXPECT_EQ(next_field("\"a,b\",rest", field), 5);
    EXPECT_EQ(field, "\"a,b\"");
    EXPECT_EQ(next_field("ab\"c,d,e", field), 8); // a lone double quote runs to the end
    EXPECT_EQ(field, "ab\"c,d,e");
    EXPECT_EQ(next_field(",x", field), 0);
    EXPECT_EQ(field, "");
    field = "old";
    EXPECT_EQ(next_field("", field), 0);
    EXPECT_EQ(field, "");
}

TEST(Unquote, KeepsOnlyTheFirstQuotedPart) {
    const std::pair<std::string, std::string> cases[] = {{"12", ""},
                                                         {"x\"abc", "abc"},
                                                         {R"(a"one"b"two")", "one"},
                                                         {"\"\"", ""},
                                                         {"\"a,b\"", "a,b"}};
    for (auto [text, expected] : cases) {
        EXPECT_EQ(unquote(text), static_cast<int>(expected.size())) << expected;
        EXPECT_EQ(text, expected);
    }
}

TEST(ReadInt, BlanksSignDigitsThenStop) {
    EXPECT_EQ(read_int("42"), 42);
    EXPECT_EQ(read_int(" \t-7"), -7);
    EXPECT_EQ(read_int("+3"), 3);
    EXPECT_EQ(read_int("12abc"), 12);
    EXPECT_EQ(read_int("3.9"), 3);
    EXPECT_EQ(read_int("6,5"), 6);
    EXPECT_EQ(read_int("007"), 7);
    EXPECT_EQ(read_int(""), 0);
    EXPECT_EQ(read_int("abc"), 0);
    EXPECT_EQ(read_int("- 5"), 0);
    EXPECT_EQ(read_int("\"5\""), 0);
    EXPECT_EQ(read_int("+-5"), 0);
}

TEST(ReadInt, SaturatesBeyond32Bits) {
    EXPECT_EQ(read_int("2147483647"), INT_MAX);
    EXPECT_EQ(read_int("2147483648"), INT_MAX);
    EXPECT_EQ(read_int("-2147483648"), INT_MIN);
    EXPECT_EQ(read_int("-2147483649"), INT_MIN);
    EXPECT_EQ(read_int(std::string(400, '9')), INT_MAX);
    EXPECT_EQ(read_int("-" + std::string(400, '9')), INT_MIN);
}

TEST(ReadDouble, DecimalWithFractionAndExponent) {
    EXPECT_EQ(read_double("6.5"), 6.5);
    EXPECT_EQ(read_double("  -2.25"), -2.25);
    EXPECT_EQ(read_double("+1e3"), 1000.0);
    EXPECT_EQ(read_double("1.5E-2"), 0.015);
    EXPECT_EQ(read_double(".5"), 0.5);
    EXPECT_EQ(read_double("5."), 5.0);
    EXPECT_EQ(read_double("12abc"), 12.0);
    EXPECT_EQ(read_double("6,5"), 6.0);
    // An exponent without digits is left out.
    EXPECT_EQ(read_double("2e"), 2.0);
    EXPECT_EQ(read_double("2e+"), 2.0);
    EXPECT_EQ(read_double("2e-x"), 2.0);
}

TEST(ReadDouble, NeverReadsNanInfinityOrHexadecimal) {
    for (const char* text : {"nan", "NAN(1)", "inf", "-infinity", "", ".", "-", "e5", "\"6.5\""}) {
        EXPECT_EQ(read_double(text), 0.0) << text;
    }
    EXPECT_EQ(read_double("0x1p4"), 0.0);
    EXPECT_EQ(read_double("1x10"), 1.0);
}

TEST(ReadDouble, OutOfRangeGoesToInfinityOrZero) {
    EXPECT_EQ(read_double("1e400"), HUGE_VAL);
    EXPECT_EQ(read_double("-1e400"), -HUGE_VAL);
    EXPECT_EQ(read_double("1" + std::string(400, '0')), HUGE_VAL);
    EXPECT_EQ(read_double("1e-400"), 0.0);
    EXPECT_EQ(read_double("0e999999"), 0.0);
    EXPECT_EQ(read_double("1e99999999999999999999"), HUGE_VAL);
}

TEST(NarrowToFloat, ClampsToFiniteFloats) {
    EXPECT_EQ(narrow_to_float(2.3), 2.3F);
    EXPECT_EQ(narrow_to_float(1e39), FLT_MAX);
    EXPECT_EQ(narrow_to_float(-1e39), -FLT_MAX);
    EXPECT_EQ(narrow_to_float(HUGE_VAL), FLT_MAX);
    EXPECT_EQ(narrow_to_float(-HUGE_VAL), -FLT_MAX);
    EXPECT_EQ(narrow_to_float(std::nan("")), 0.0F);
    EXPECT_EQ(narrow_to_float(1e-50), 0.0F);
}

// The field-reading procedure, seen through a category that reads seven fields:
// text, three integers, text, two integers.
class FieldReading : public ::testing::Test {
protected:
    int parse(std::string_view line) { return weapon_->parse_line(line); }
    item_test::Held<WeaponItem> weapon_{new WeaponItem};
};

TEST_F(FieldReading, MissingTrailingFieldsRepeatTheLastOne) {
    EXPECT_EQ(parse("W=\"b\",5,6"), 0);
    EXPECT_EQ(weapon_->strength(), 5);
    EXPECT_EQ(weapon_->intelligence(), 6);
    EXPECT_EQ(weapon_->wisdom(), 6);
    EXPECT_EQ(weapon_->location(), ""); // the unquoted "6" is empty
    EXPECT_EQ(weapon_->min_damage(), 6);
    EXPECT_EQ(weapon_->max_damage(), 6);
}

TEST_F(FieldReading, TrailingCommaAlsoRepeatsTheLastField) {
    EXPECT_EQ(parse("W=\"b\",5,6,"), 0);
    EXPECT_EQ(weapon_->wisdom(), 6);
    EXPECT_EQ(weapon_->max_damage(), 6);
}

TEST_F(FieldReading, EmptyFieldRejectsWithOne) {
    EXPECT_EQ(parse("W=\"b\",5,,6,\"l\",1,2"), 1);
    EXPECT_EQ(parse("W="), 1);
    EXPECT_EQ(parse("W=,\"b\",5,6,\"l\",1,2"), 1);
    EXPECT_EQ(parse("W"), 1); // a name but no fields
}

TEST_F(FieldReading, NoNameRejectsWithTwo) {
    EXPECT_EQ(parse("=\"b\",5,6"), 2);
    EXPECT_EQ(parse(""), 2);
}

TEST_F(FieldReading, NameKeepsBlanksAndLaterEqualsIsFieldText) {
    EXPECT_EQ(parse("Ascia =\"x=y\",1,2,3,\"a=b\",4,5,extra,,"), 0);
    EXPECT_EQ(weapon_->name(), "Ascia ");
    EXPECT_EQ(weapon_->bonus(), "x=y");
    EXPECT_EQ(weapon_->location(), "a=b");
    EXPECT_EQ(weapon_->max_damage(), 5);
}

TEST_F(FieldReading, QuotedNumberReadsZeroAndEmptyQuotesLeaveTextUnset) {
    EXPECT_EQ(parse("W=\"\",\"7\",2,3,plain,4,5"), 0);
    EXPECT_EQ(weapon_->bonus(), "");
    EXPECT_EQ(weapon_->strength(), 0);
    EXPECT_EQ(weapon_->intelligence(), 2);
    EXPECT_EQ(weapon_->location(), "");
    EXPECT_EQ(weapon_->min_damage(), 4);
}

TEST_F(FieldReading, QuotedCommaDoesNotSplit) {
    EXPECT_EQ(parse("W=\"+1, +2\",1,2,3,\"Torre, nord\",4,5"), 0);
    EXPECT_EQ(weapon_->bonus(), "+1, +2");
    EXPECT_EQ(weapon_->location(), "Torre, nord");
    EXPECT_EQ(weapon_->min_damage(), 4);
}

} // namespace
