#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"

namespace {

using namespace item_test;

Record weapon(std::string_view line) {
    return {1, line};
}

// A weapon with only a name and the given damage range.
Record with_damage(std::string_view name, int low, int high) {
    return weapon(std::string(name) + R"(="",0,0,0,"",)" + std::to_string(low) + "," +
                  std::to_string(high));
}

TEST(WeaponItem, WorkedExample) {
    const Record w = parsed(1, R"(Spada Corta="+1 For",10,0,2,"Fabbro di Rocca",3,7)");
    EXPECT_EQ(w->category, 1);
    EXPECT_EQ(w->name(), "Spada Corta");
    EXPECT_EQ(bonus(*w), "+1 For");
    EXPECT_EQ(w->strength, 10);
    EXPECT_EQ(w->intelligence, 0);
    EXPECT_EQ(w->wisdom, 2);
    EXPECT_EQ(w->location(), "Fabbro di Rocca");
    EXPECT_EQ(damage(*w).min_damage, 3);
    EXPECT_EQ(damage(*w).max_damage, 7);
    EXPECT_EQ(w->level, 0);
    EXPECT_EQ(w->resistance, 0);
    EXPECT_EQ(w->agility, 0);
    EXPECT_EQ(attack(*w), 0);
    EXPECT_EQ(requirement(*w), 12);
    EXPECT_EQ(efficacy(*w), 10.0F);
    EXPECT_EQ(description(*w),
              "Spada Corta - Dmg 3-7 (5), +1 For, For 10, Sag 2, Luogo: Fabbro di Rocca");
}

TEST(WeaponItem, DamageGroupRenders) {
    EXPECT_EQ(description(*with_damage("Spada Corta", 3, 7)), "Spada Corta - Dmg 3-7 (5), ");
    EXPECT_EQ(description(*with_damage("A", 0, 7)), "A - Dmg -7 (3), ");
    EXPECT_EQ(description(*with_damage("A", 3, 0)), "A - Dmg 3- (1), ");
    EXPECT_EQ(description(*with_damage("A", -1, 4)), "A - Dmg ?-4 (1), ");
    EXPECT_EQ(description(*with_damage("A", -1, -1)), "A - Dmg ?-? (?), ");
    EXPECT_EQ(description(*with_damage("A", -5, -2)), "A - Dmg -5--2 (-3), ");
}

TEST(WeaponItem, ZeroAverageRemovesTheWholeDamageGroup) {
    for (const auto& [low, high] : {std::pair{0, 0}, {0, 1}, {-1, 0}, {-3, 3}}) {
        EXPECT_EQ(description(*with_damage("Bastone", low, high)), "Bastone - ")
            << low << "-" << high;
    }
}

TEST(WeaponItem, ShortLinesRepeatTheLastField) {
    const Record four = parsed(1, "Mazza=\"+2\",4");
    EXPECT_EQ(bonus(*four), "+2");
    for (int value : {four->strength, four->intelligence, four->wisdom, damage(*four).min_damage,
                      damage(*four).max_damage}) {
        EXPECT_EQ(value, 4);
    }
    EXPECT_EQ(four->location(), "");

    EXPECT_EQ(damage(*weapon("A=\"\",1,2,3,\"Bosco\",3")).max_damage, 3);
    const Record up_to_location = weapon(R"(A="",1,2,3,"Bosco")");
    EXPECT_EQ(damage(*up_to_location).min_damage, 0);
    EXPECT_EQ(damage(*up_to_location).max_damage, 0);
    EXPECT_EQ(up_to_location->location(), "Bosco");
    EXPECT_EQ(damage(*parsed(1, "A=\"\",1,2,3,\"Bosco\",3,")).max_damage, 3);
    EXPECT_EQ(damage(*weapon("A=\"\",1,2,3,\"Bosco\",3,9,")).max_damage, 9);
    // Beyond the seventh field nothing is read.
    EXPECT_EQ(damage(*parsed(1, "A=\"\",1,2,3,\"Bosco\",3,9,12,,")).max_damage, 9);
    EXPECT_EQ(parse_result(1, "A=,\"\",1,2,3,\"Bosco\",3,9"), ParseResult::empty_field);
}

TEST(WeaponItem, RequirementAndEfficacyRules) {
    const Record w = weapon(R"(A="",-1,0,5,"",-1,6)");
    EXPECT_EQ(requirement(*w), 5);
    EXPECT_EQ(efficacy(*w), 6.0F);
    EXPECT_EQ(description(*w), "A - Dmg ?-6 (2), For ?, Sag 5, ");
}

TEST(WeaponItem, OverflowingFieldsSaturate) {
    const Record w = weapon("A=\"\",99999999999,2147483647,2147483647,\"\",-99999999999,"
                            "99999999999");
    EXPECT_EQ(w->strength, INT_MAX);
    EXPECT_EQ(damage(*w).min_damage, INT_MIN);
    EXPECT_EQ(damage(*w).max_damage, INT_MAX);
    EXPECT_EQ(requirement(*w), INT_MAX);
    EXPECT_EQ(efficacy(*w), static_cast<float>(INT_MAX));
    // The average of the two extremes is 0, so the damage group vanishes.
    EXPECT_EQ(description(*w), "A - For 2147483647, Int 2147483647, Sag 2147483647, ");

    const Record top = with_damage("B", INT_MAX, INT_MAX);
    EXPECT_EQ(efficacy(*top), 2.0F * static_cast<float>(INT_MAX));
    EXPECT_EQ(description(*top), "B - Dmg 2147483647-2147483647 (2147483647), ");
    EXPECT_EQ(description(*with_damage("C", INT_MIN, INT_MIN)),
              "C - Dmg -2147483648--2147483648 (-2147483648), ");
}

TEST(WeaponOrdering, EfficacySortComparesAverageDamageThenName) {
    const Record b = with_damage("B", 3, 4);
    const Record a = with_damage("A", 2, 4); // same average 3, efficacy 6 below 7
    const Record c = with_damage("C", 1, 2);
    EXPECT_TRUE(sorts_before(*a, *b, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*b, *a, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*c, *a, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*a, *c, sort_by_efficacy));
    const Record unknown = with_damage("Z", -1, 6); // average 2
    EXPECT_TRUE(sorts_before(*unknown, *a, sort_by_efficacy));
}

TEST(WeaponOrdering, RequirementSortThenName) {
    const Record light = weapon(R"(Z="",1,0,0,"",9,9)");
    const Record heavy = weapon(R"(A="",2,0,0,"",1,1)");
    const Record also_heavy = weapon(R"(B="",0,0,2,"",1,1)");
    EXPECT_TRUE(sorts_before(*light, *heavy, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*heavy, *light, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*heavy, *also_heavy, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*also_heavy, *heavy, sort_by_requirement));
}

TEST(WeaponOrdering, NameSortIgnoresDamageAndRequirement) {
    const Record strong = weapon(R"(B="",9,9,9,"",9,9)");
    const Record weak = weapon(R"(a="",1,1,1,"",1,1)");
    EXPECT_TRUE(sorts_before(*strong, *weak, sort_by_name));
    EXPECT_FALSE(sorts_before(*weak, *strong, sort_by_name));
    EXPECT_FALSE(sorts_before(*strong, *strong, sort_by_name));
    // Accents after ASCII.
    EXPECT_TRUE(sorts_before(*weak, *with_damage("\xC0scia", 1, 1), sort_by_name));
}

TEST(WeaponOrdering, AfterUndefinedBeforeEveryOtherCategory) {
    const Record w = with_damage("Zzz", 9, 9);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        for (int code : {0, 2, 3, 13, 14, 16, 19, 20}) {
            const Record other(code, R"(Aaa="",0,0,0,0,0,0,"",0)");
            EXPECT_EQ(sorts_before(*w, *other, mode), code != 0) << code;
            EXPECT_EQ(sorts_before(*other, *w, mode), code == 0) << code;
        }
    }
}

} // namespace
