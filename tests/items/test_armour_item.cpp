#include <cfloat>
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/armour_item.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/sort_mode.h"

namespace {

using item_test::parse_result;
using item_test::record_from;
using item_test::SortModeTest;
using Held = item_test::Held<ArmourItem>;

Held armour(std::string_view line, int code = 3) {
    return record_from<ArmourItem>(code, line);
}

// A piece with only a name, the given armour class and attack.
Held with_class(std::string_view name, std::string_view armour_class, int code = 3,
                int attack = 0) {
    return armour(std::string(name) + "=\"\",0,0,0,0,0," + std::to_string(attack) + ",\"\"," +
                      std::string(armour_class),
                  code);
}

constexpr std::string_view worked_example =
    R"(Cotta di Maglia="+5 Res",8,4,-1,0,0,0,"Mercante",6.5)";

TEST(ArmourItem, WorkedExample) {
    EXPECT_EQ(parse_result(3, worked_example), 0);
    const Held a = armour(worked_example);
    EXPECT_EQ(a->category(), 3);
    EXPECT_EQ(a->name(), "Cotta di Maglia");
    EXPECT_EQ(a->bonus(), "+5 Res");
    EXPECT_EQ(a->strength(), 8);
    EXPECT_EQ(a->resistance(), 4);
    EXPECT_EQ(a->agility(), -1);
    EXPECT_EQ(a->intelligence(), 0);
    EXPECT_EQ(a->wisdom(), 0);
    EXPECT_EQ(a->attack(), 0);
    EXPECT_EQ(a->location(), "Mercante");
    EXPECT_EQ(a->armour_class(), 6.5F);
    EXPECT_EQ(a->level(), 0);
    EXPECT_EQ(a->requirement(), 12);
    EXPECT_EQ(a->efficacy(), 6.5F);
    EXPECT_EQ(a->description(), "Cotta di Maglia - CA 6.5, +5 Res, For 8, Res 4, Agi ? - Mercante");
}

TEST(ArmourItem, IntelligenceBeforeWisdomInLineAndText) {
    const Held a = armour(R"(Tunica="",0,0,0,7,3,0,"",1)");
    EXPECT_EQ(a->intelligence(), 7);
    EXPECT_EQ(a->wisdom(), 3);
    EXPECT_EQ(a->description(), "Tunica - CA 1., Int 7, Sag 3");
}

TEST(ArmourItem, RendersOfClassAndAttack) {
    const Held a = armour(R"(Cotta di Maglia="",8,4,0,0,0,3,"",12)");
    EXPECT_EQ(a->description(), "Cotta di Maglia - CA 12., For 8, Res 4, Attacco 3");
    EXPECT_EQ(a->requirement(), 12);
    EXPECT_EQ(with_class("A", "0")->description(), "A - CA 0.");
    EXPECT_EQ(with_class("A", "2.3")->description(), "A - CA 2.3");
    EXPECT_EQ(with_class("A", "123456")->description(), "A - CA 1.2346e+005");
    EXPECT_EQ(with_class("A", "1", 3, -1)->description(), "A - CA 1., Attacco ?");
}

TEST(ArmourItem, NegativeClassShowsUnknownAndCountsZero) {
    const Held a = with_class("A", "-2.5");
    EXPECT_EQ(a->armour_class(), -2.5F);
    EXPECT_EQ(a->description(), "A - CA ?");
    EXPECT_EQ(a->efficacy(), 0.0F);
}

TEST(ArmourItem, RequirementCountsAFifteenthOfTheAttack) {
    EXPECT_EQ(with_class("A", "1", 3, -1)->requirement(), 0);
    EXPECT_EQ(with_class("A", "1", 3, 14)->requirement(), 0);
    EXPECT_EQ(with_class("A", "1", 3, 15)->requirement(), 1);
    EXPECT_EQ(with_class("A", "1", 3, 44)->requirement(), 2);
    const Held a = armour(R"(A="",1,2,-1,4,5,30,"",1)");
    EXPECT_EQ(a->requirement(), 1 + 2 + 4 + 5 + 2);
}

TEST(ArmourItem, ShortLinesRepeatTheLastField) {
    EXPECT_EQ(parse_result(3, "Elmo=\"+1\",2"), 0);
    const Held two = armour("Elmo=\"+1\",2", 9);
    EXPECT_EQ(two->bonus(), "+1");
    for (int value : {two->strength(), two->resistance(), two->agility(), two->intelligence(),
                      two->wisdom(), two->attack()}) {
        EXPECT_EQ(value, 2);
    }
    EXPECT_EQ(two->armour_class(), 2.0F);
    EXPECT_EQ(two->location(), "");

    const Held up_to_location = armour(R"(A="",1,1,1,1,1,1,"Grotta")");
    EXPECT_EQ(up_to_location->location(), "Grotta");
    EXPECT_EQ(up_to_location->armour_class(), 0.0F);
}

TEST(ArmourItem, CommaAsDecimalSeparatorReadsTheIntegerPart) {
    EXPECT_EQ(parse_result(3, "A=\"\",0,0,0,0,0,0,\"\",6,5"), 0);
    const Held a = armour(R"(A="",0,0,0,0,0,0,"",6,5)");
    EXPECT_EQ(a->armour_class(), 6.0F);
}

TEST(ArmourItem, EmptyFieldOrNoNameRejects) {
    EXPECT_EQ(parse_result(3, "A=,\"\",0,0,0,0,0,0,\"\",6"), 1);
    EXPECT_EQ(parse_result(3, "A=\"\",0,0,0,0,,0,\"\",6"), 1);
    EXPECT_EQ(parse_result(3, "=\"\",0,0,0,0,0,0,\"\",6"), 2);
}

TEST(ArmourItem, ClassBeyondFloatRangeBecomesLargestFinite) {
    const Held big = with_class("A", "1e39");
    EXPECT_EQ(big->armour_class(), FLT_MAX);
    EXPECT_EQ(big->efficacy(), FLT_MAX);
    EXPECT_EQ(big->description(), "A - CA 3.4028e+038");
    EXPECT_EQ(with_class("A", "1e99999")->armour_class(), FLT_MAX);
    EXPECT_EQ(with_class("A", "-1e39")->armour_class(), -FLT_MAX);
    EXPECT_EQ(with_class("A", "1e-60")->armour_class(), 0.0F);
}

TEST(ArmourItem, NanInfinityAndHexadecimalReadAsZero) {
    for (const char* text : {"nan", "NaN", "inf", "-inf", "infinity", "0x1p3", "0x10"}) {
        const Held a = with_class("A", text);
        EXPECT_EQ(a->armour_class(), 0.0F) << text;
        EXPECT_EQ(a->description(), "A - CA 0.") << text;
    }
}

TEST(ArmourItem, OverflowingFieldsSaturate) {
    const Held a = armour("A=\"\",99999999999,2147483647,2147483648,2147483647,2147483647,"
                          "99999999999,\"\",1");
    EXPECT_EQ(a->strength(), INT_MAX);
    EXPECT_EQ(a->agility(), INT_MAX);
    EXPECT_EQ(a->attack(), INT_MAX);
    EXPECT_EQ(a->requirement(), INT_MAX);
    EXPECT_EQ(armour("A=\"\",-99999999999,0,0,0,0,0,\"\",1")->strength(), INT_MIN);
}

TEST(ArmourItem, BraceInNameJoinsWithBraceInLocation) {
    // The "{" of the name and the stray "}" of the location make a group around "%ca".
    const Held a = armour(R"(Elmo {="",0,0,0,0,0,0,"Torre}",6.5)", 9);
    EXPECT_EQ(a->description(), "Elmo  - CA 6.5 - Torre");
}

class ArmourOrdering : public SortModeTest {};

TEST_F(ArmourOrdering, CategoryFirstInEverySort) {
    const Held shield = with_class("Zzz", "0", 2);
    const Held body = with_class("Mmm", "50", 3);
    const Held cloak = with_class("Aaa", "1", 13, 600);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        EXPECT_TRUE(shield->sorts_before(*body));
        EXPECT_FALSE(body->sorts_before(*shield));
        EXPECT_TRUE(body->sorts_before(*cloak));
        EXPECT_FALSE(cloak->sorts_before(*body));
        EXPECT_TRUE(shield->sorts_before(*cloak));
    }
}

TEST_F(ArmourOrdering, EfficacySortComparesUnclampedClassThenName) {
    set_current_sort_mode(sort_by_efficacy);
    const Held negative = with_class("Z", "-1");
    const Held zero = with_class("Y", "0");
    const Held b = with_class("B", "6.5");
    const Held a = with_class("A", "6.5");
    const Held high = with_class("0", "12");
    EXPECT_TRUE(negative->sorts_before(*zero));
    EXPECT_FALSE(zero->sorts_before(*negative));
    EXPECT_TRUE(zero->sorts_before(*a));
    EXPECT_TRUE(a->sorts_before(*b));
    EXPECT_FALSE(b->sorts_before(*a));
    EXPECT_TRUE(b->sorts_before(*high));
    EXPECT_FALSE(high->sorts_before(*b));
}

TEST_F(ArmourOrdering, RequirementSortThenName) {
    set_current_sort_mode(sort_by_requirement);
    const Held light = with_class("Z", "1", 3, 14);
    const Held heavy = with_class("B", "1", 3, 15);
    const Held also_heavy = armour(R"(A="",0,0,0,0,1,0,"",9)");
    EXPECT_TRUE(light->sorts_before(*heavy));
    EXPECT_FALSE(heavy->sorts_before(*light));
    EXPECT_TRUE(also_heavy->sorts_before(*heavy));
    EXPECT_FALSE(heavy->sorts_before(*also_heavy));
}

TEST_F(ArmourOrdering, NameSortIgnoresClass) {
    const Held strong = with_class("B", "99");
    const Held weak = with_class("b", "1");
    EXPECT_TRUE(strong->sorts_before(*weak));
    EXPECT_FALSE(weak->sorts_before(*strong));
    EXPECT_TRUE(weak->sorts_before(*with_class("\xC8lmo", "1"))); // accents after ASCII
}

TEST(ArmourItem, EveryWearableCodeSharesTheTemplate) {
    EXPECT_EQ(ArmourItem().category(), 3); // until create_item stores the asked code
    for (int code = 2; code <= 13; ++code) {
        const Held a = armour(R"(Pezzo="",1,0,0,0,0,0,"",2)", code);
        EXPECT_EQ(a->category(), code);
        EXPECT_EQ(a->description(), "Pezzo - CA 2., For 1") << code;
    }
}

} // namespace
