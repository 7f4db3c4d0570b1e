#include <cfloat>
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "templates/template.h"

namespace {

using namespace torvane;

TEST(FillPlaceholder, GroupShowsWithoutBracesOrVanishes) {
    EXPECT_EQ(fill_placeholder("A{, For %for}B", "%for", "10"), "A, For 10B");
    EXPECT_EQ(fill_placeholder("A{, For %for}B", "%for", ""), "AB");
}

TEST(FillPlaceholder, AbsentPlaceholderLeavesTextUnchanged) {
    EXPECT_EQ(fill_placeholder("%n - {x %int}", "%ins", "5"), "%n - {x %int}");
}

TEST(FillPlaceholder, PlaceholderOutsideAnyGroup) {
    EXPECT_EQ(fill_placeholder("%n - CA %ca{, %bon}", "%ca", "12"), "%n - CA 12{, %bon}");
    EXPECT_EQ(fill_placeholder("%n - CA %ca{, %bon}", "%ca", ""), "%n - CA {, %bon}");
}

TEST(FillPlaceholder, NestedGroupsFilledInnerFirst) {
    std::string w = "X - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }";
    w = fill_placeholder(w, "%dma", "9");
    EXPECT_EQ(w, "X - {Dmg {%dmi}-9 (%dme), }{%bon, }");
    w = fill_placeholder(w, "%dmi", "");
    EXPECT_EQ(w, "X - {Dmg -9 (%dme), }{%bon, }");
    const std::string before_average = w;
    w = fill_placeholder(w, "%dme", "7");
    EXPECT_EQ(w, "X - Dmg -9 (7), {%bon, }");
    EXPECT_EQ(fill_placeholder(w, "%bon", ""), "X - Dmg -9 (7), ");
    EXPECT_EQ(fill_placeholder(before_average, "%dme", ""), "X - {%bon, }");
}

TEST(FillPlaceholder, EveryOccurrenceIsFilled) {
    EXPECT_EQ(fill_placeholder("{a %x}{b %x}", "%x", "1"), "a 1b 1");
    EXPECT_EQ(fill_placeholder("{a %x}{b %x}", "%x", ""), "");
    EXPECT_EQ(fill_placeholder("{%x and %x}.", "%x", "7"), "7 and 7.");
    EXPECT_EQ(fill_placeholder("%x-%x", "%x", "9"), "9-9");
}

TEST(FillPlaceholder, InsertedValueIsNotFilledAgain) {
    EXPECT_EQ(fill_placeholder("x%ay%a", "%a", "%a%a"), "x%a%ay%a%a");
    EXPECT_EQ(fill_placeholder("{%a}", "%a", "{%a}"), "{%a}");
    EXPECT_EQ(fill_placeholder("{%a %a}", "%a", "%a"), "%a %a");
}

TEST(FillPlaceholder, BraceCountFromThePlaceholderOn) {
    // An inner group after the placeholder belongs to the group being filled.
    EXPECT_EQ(fill_placeholder("{%x {y}}z", "%x", "V"), "V {y}z");
    EXPECT_EQ(fill_placeholder("{%x {y}}z", "%x", ""), "z");
    // The count restarts for the second occurrence.
    EXPECT_EQ(fill_placeholder("{%x}}{%x}", "%x", "V"), "V}V");
}

TEST(FillPlaceholder, UnbalancedBraces) {
    // A "{" that never closes makes no group.
    EXPECT_EQ(fill_placeholder("a {b %x", "%x", "V"), "a {b V");
    EXPECT_EQ(fill_placeholder("a {b %x", "%x", ""), "a {b ");
    // Without any "{" before it, a "}" after the placeholder is plain text.
    EXPECT_EQ(fill_placeholder("%x}", "%x", ""), "}");
    // A stray "}" closes the group of the nearest "{" before the placeholder.
    EXPECT_EQ(fill_placeholder("{a} %x} b", "%x", "V"), "a} V b");
    EXPECT_EQ(fill_placeholder("{a} %x} b", "%x", ""), " b");
    // Braces that belong to no filled placeholder stay.
    EXPECT_EQ(fill_placeholder("{a}%x{b}", "%x", "V"), "{a}V{b}");
}

TEST(StatText, SpecialValuesAndDigits) {
    EXPECT_EQ(stat_text(-1), "?");
    EXPECT_EQ(stat_text(0), "");
    EXPECT_EQ(stat_text(7), "7");
    EXPECT_EQ(stat_text(-2), "-2");
    EXPECT_EQ(stat_text(1234567), "1234567");
    EXPECT_EQ(stat_text(INT_MAX), "2147483647");
    EXPECT_EQ(stat_text(INT_MIN), "-2147483648");
}

struct ClassCase {
    double value;
    const char* text;
};

void expect_class_texts(std::initializer_list<ClassCase> cases) {
    for (const ClassCase& c : cases) {
        EXPECT_EQ(class_text(c.value), c.text) << "value " << c.value;
    }
}

TEST(ClassText, TableOfFiveSignificantDigits) {
    expect_class_texts({{0, "0."},
                        {0.25, "0.25"},
                        {0.05, "5.e-002"},
                        {1.5, "1.5"},
                        {3, "3."},
                        {6.5, "6.5"},
                        {12, "12."},
                        {12.25, "12.25"},
                        {12.345678, "12.346"},
                        {2.34567, "2.3457"},
                        {1234, "1234."},
                        {12345.6, "12346"},
                        {123456, "1.2346e+005"}});
}

TEST(ClassText, HalfwayRoundsAwayFromZero) {
    expect_class_texts({{1.03125, "1.0313"},
                        {453.125, "453.13"},
                        {0.0390625, "3.9063e-002"},
                        {123465, "1.2347e+005"},
                        {10000.5, "10001"},
                        {0.3125, "0.3125"}});
}

TEST(ClassText, BoundariesBetweenNotations) {
    expect_class_texts({{0.1, "0.1"},
                        {0.099999, "9.9999e-002"},
                        {0.12345678, "0.12346"},
                        {99999, "99999"},
                        {100000, "1.e+005"},
                        {1e-5, "1.e-005"},
                        {1e100, "1.e+100"},
                        {1e-100, "1.e-100"}});
}

TEST(ClassText, RoundingCarries) {
    expect_class_texts({{9.99996, "10."},
                        {0.999996, "1."},
                        {999.996, "1000."},
                        {9999.96, "10000."},
                        {0.0999996, "1.e-001"},
                        {999996, "1.e+006"},
                        {9.99996e-5, "1.e-004"},
                        // Judged on the value before rounding, as the old runtime does, so
                        // the carry gives six digits in fixed point.
                        {99999.7, "100000"}});
}

TEST(ClassText, FloatNarrowingIsHidden) {
    EXPECT_EQ(class_text(2.3F), "2.3");
    EXPECT_EQ(class_text(0.1F), "0.1");
    EXPECT_EQ(class_text(6.55F), "6.55");
    EXPECT_EQ(class_text(FLT_MAX), "3.4028e+038");
    EXPECT_EQ(class_text(FLT_TRUE_MIN), "1.4013e-045");
}

} // namespace
