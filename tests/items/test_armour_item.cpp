#include <cfloat>
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"

namespace {

using namespace item_test;

Record armour(std::string_view line, int code = 3) {
    return {code, line};
}

// A piece with only a name, the given armour class and attack.
Record with_class(std::string_view name, std::string_view armour_class, int code = 3,
                  int attack = 0) {
    return armour(std::string(name) + "=\"\",0,0,0,0,0," + std::to_string(attack) + ",\"\"," +
                      std::string(armour_class),
                  code);
}

float armour_class(const Record& piece) {
    return protection(*piece).armour_class;
}

TEST(ArmourItem, WorkedExample) {
    const Record a = parsed(3, R"(Cotta di Maglia="+5 Res",8,4,-1,0,0,0,"Mercante",6.5)");
    EXPECT_EQ(a->category, 3);
    EXPECT_EQ(a->name(), "Cotta di Maglia");
    EXPECT_EQ(bonus(*a), "+5 Res");
    EXPECT_EQ(a->strength, 8);
    EXPECT_EQ(a->resistance, 4);
    EXPECT_EQ(a->agility, -1);
    EXPECT_EQ(a->intelligence, 0);
    EXPECT_EQ(a->wisdom, 0);
    EXPECT_EQ(attack(*a), 0);
    EXPECT_EQ(a->location(), "Mercante");
    EXPECT_EQ(armour_class(a), 6.5F);
    EXPECT_EQ(a->level, 0);
    EXPECT_EQ(requirement(*a), 12);
    EXPECT_EQ(efficacy(*a), 6.5F);
    EXPECT_EQ(description(*a), "Cotta di Maglia - CA 6.5, +5 Res, For 8, Res 4, Agi ? - Mercante");
}

TEST(ArmourItem, IntelligenceBeforeWisdomInLineAndText) {
    const Record a = armour(R"(Tunica="",0,0,0,7,3,0,"",1)");
    EXPECT_EQ(a->intelligence, 7);
    EXPECT_EQ(a->wisdom, 3);
    EXPECT_EQ(description(*a), "Tunica - CA 1., Int 7, Sag 3");
}

TEST(ArmourItem, RendersOfClassAndAttack) {
    const Record a = armour(R"(Cotta di Maglia="",8,4,0,0,0,3,"",12)");
    EXPECT_EQ(description(*a), "Cotta di Maglia - CA 12., For 8, Res 4, Attacco 3");
    EXPECT_EQ(requirement(*a), 12);
    EXPECT_EQ(description(*with_class("A", "0")), "A - CA 0.");
    EXPECT_EQ(description(*with_class("A", "2.3")), "A - CA 2.3");
    EXPECT_EQ(description(*with_class("A", "123456")), "A - CA 1.2346e+005");
    EXPECT_EQ(description(*with_class("A", "1", 3, -1)), "A - CA 1., Attacco ?");
}

TEST(ArmourItem, NegativeClassShowsUnknownAndCountsZero) {
    const Record a = with_class("A", "-2.5");
    EXPECT_EQ(armour_class(a), -2.5F);
    EXPECT_EQ(description(*a), "A - CA ?");
    EXPECT_EQ(efficacy(*a), 0.0F);
}

TEST(ArmourItem, RequirementCountsAFifteenthOfTheAttack) {
    EXPECT_EQ(requirement(*with_class("A", "1", 3, -1)), 0);
    EXPECT_EQ(requirement(*with_class("A", "1", 3, 14)), 0);
    EXPECT_EQ(requirement(*with_class("A", "1", 3, 15)), 1);
    EXPECT_EQ(requirement(*with_class("A", "1", 3, 44)), 2);
    const Record a = armour(R"(A="",1,2,-1,4,5,30,"",1)");
    EXPECT_EQ(requirement(*a), 1 + 2 + 4 + 5 + 2);
}

TEST(ArmourItem, ShortLinesRepeatTheLastField) {
    EXPECT_EQ(parse_result(3, "Elmo=\"+1\",2"), ParseResult::accepted);
    const Record two = armour("Elmo=\"+1\",2", 9);
    EXPECT_EQ(bonus(*two), "+1");
    for (int value : {two->strength, two->resistance, two->agility, two->intelligence, two->wisdom,
                      attack(*two)}) {
        EXPECT_EQ(value, 2);
    }
    EXPECT_EQ(armour_class(two), 2.0F);
    EXPECT_EQ(two->location(), "");

    const Record up_to_location = armour(R"(A="",1,1,1,1,1,1,"Grotta")");
    EXPECT_EQ(up_to_location->location(), "Grotta");
    EXPECT_EQ(armour_class(up_to_location), 0.0F);
}

TEST(ArmourItem, CommaAsDecimalSeparatorReadsTheIntegerPart) {
    EXPECT_EQ(armour_class(parsed(3, R"(A="",0,0,0,0,0,0,"",6,5)")), 6.0F);
}

TEST(ArmourItem, EmptyFieldOrNoNameRejects) {
    EXPECT_EQ(parse_result(3, "A=,\"\",0,0,0,0,0,0,\"\",6"), ParseResult::empty_field);
    EXPECT_EQ(parse_result(3, "A=\"\",0,0,0,0,,0,\"\",6"), ParseResult::empty_field);
    EXPECT_EQ(parse_result(3, "=\"\",0,0,0,0,0,0,\"\",6"), ParseResult::no_name);
}

TEST(ArmourItem, ClassBeyondFloatRangeBecomesLargestFinite) {
    const Record big = with_class("A", "1e39");
    EXPECT_EQ(armour_class(big), FLT_MAX);
    EXPECT_EQ(efficacy(*big), FLT_MAX);
    EXPECT_EQ(description(*big), "A - CA 3.4028e+038");
    EXPECT_EQ(armour_class(with_class("A", "1e99999")), FLT_MAX);
    EXPECT_EQ(armour_class(with_class("A", "-1e39")), -FLT_MAX);
    EXPECT_EQ(armour_class(with_class("A", "1e-60")), 0.0F);
}

TEST(ArmourItem, NanInfinityAndHexadecimalReadAsZero) {
    for (const char* text : {"nan", "NaN", "inf", "-inf", "infinity", "0x1p3", "0x10"}) {
        const Record a = with_class("A", text);
        EXPECT_EQ(armour_class(a), 0.0F) << text;
        EXPECT_EQ(description(*a), "A - CA 0.") << text;
    }
}

TEST(ArmourItem, OverflowingFieldsSaturate) {
    const Record a = armour("A=\"\",99999999999,2147483647,2147483648,2147483647,2147483647,"
                            "99999999999,\"\",1");
    EXPECT_EQ(a->strength, INT_MAX);
    EXPECT_EQ(a->agility, INT_MAX);
    EXPECT_EQ(attack(*a), INT_MAX);
    EXPECT_EQ(requirement(*a), INT_MAX);
    EXPECT_EQ(armour("A=\"\",-99999999999,0,0,0,0,0,\"\",1")->strength, INT_MIN);
}

TEST(ArmourItem, BraceInNameJoinsWithBraceInLocation) {
    // The "{" of the name and the stray "}" of the location make a group around "%ca".
    const Record a = armour(R"(Elmo {="",0,0,0,0,0,0,"Torre}",6.5)", 9);
    EXPECT_EQ(description(*a), "Elmo  - CA 6.5 - Torre");
}

TEST(ArmourOrdering, CategoryFirstInEverySort) {
    const Record shield = with_class("Zzz", "0", 2);
    const Record body = with_class("Mmm", "50", 3);
    const Record cloak = with_class("Aaa", "1", 13, 600);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        EXPECT_TRUE(sorts_before(*shield, *body, mode));
        EXPECT_FALSE(sorts_before(*body, *shield, mode));
        EXPECT_TRUE(sorts_before(*body, *cloak, mode));
        EXPECT_FALSE(sorts_before(*cloak, *body, mode));
        EXPECT_TRUE(sorts_before(*shield, *cloak, mode));
    }
}

TEST(ArmourOrdering, EfficacySortComparesUnclampedClassThenName) {
    const Record negative = with_class("Z", "-1");
    const Record zero = with_class("Y", "0");
    const Record b = with_class("B", "6.5");
    const Record a = with_class("A", "6.5");
    const Record high = with_class("0", "12");
    EXPECT_TRUE(sorts_before(*negative, *zero, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*zero, *negative, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*zero, *a, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*a, *b, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*b, *a, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*b, *high, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*high, *b, sort_by_efficacy));
}

TEST(ArmourOrdering, RequirementSortThenName) {
    const Record light = with_class("Z", "1", 3, 14);
    const Record heavy = with_class("B", "1", 3, 15);
    const Record also_heavy = armour(R"(A="",0,0,0,0,1,0,"",9)");
    EXPECT_TRUE(sorts_before(*light, *heavy, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*heavy, *light, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*also_heavy, *heavy, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*heavy, *also_heavy, sort_by_requirement));
}

TEST(ArmourOrdering, NameSortIgnoresClass) {
    const Record strong = with_class("B", "99");
    const Record weak = with_class("b", "1");
    EXPECT_TRUE(sorts_before(*strong, *weak, sort_by_name));
    EXPECT_FALSE(sorts_before(*weak, *strong, sort_by_name));
    // Accents after ASCII.
    EXPECT_TRUE(sorts_before(*weak, *with_class("\xC8lmo", "1"), sort_by_name));
}

TEST(ArmourItem, EveryWearableCodeSharesTheTemplate) {
    for (int code = 2; code <= 13; ++code) {
        const Record a = armour(R"(Pezzo="",1,0,0,0,0,0,"",2)", code);
        EXPECT_EQ(a->category, code);
        EXPECT_EQ(description(*a), "Pezzo - CA 2., For 1") << code;
    }
}

} // namespace
