#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/item.h"
#include "items/item_test_support.h"
#include "items/sort_mode.h"
#include "items/weapon_item.h"

namespace {

using item_test::ItemRef;
using item_test::parse_result;
using item_test::record_from;
using item_test::SortModeTest;
using Held = item_test::Held<WeaponItem>;

Held weapon(std::string_view line) {
    return record_from<WeaponItem>(1, line);
}

// A weapon with only a name and the given damage range.
Held with_damage(std::string_view name, int low, int high) {
    return weapon(std::string(name) + R"(="",0,0,0,"",)" + std::to_string(low) + "," +
                  std::to_string(high));
}

TEST(WeaponItem, WorkedExample) {
    constexpr std::string_view line = R"(Spada Corta="+1 For",10,0,2,"Fabbro di Rocca",3,7)";
    EXPECT_EQ(parse_result(1, line), 0);
    const Held w = weapon(line);
    EXPECT_EQ(w->category(), 1);
    EXPECT_EQ(WeaponItem().category(), 1);
    EXPECT_EQ(w->name(), "Spada Corta");
    EXPECT_EQ(w->bonus(), "+1 For");
    EXPECT_EQ(w->strength(), 10);
    EXPECT_EQ(w->intelligence(), 0);
    EXPECT_EQ(w->wisdom(), 2);
    EXPECT_EQ(w->location(), "Fabbro di Rocca");
    EXPECT_EQ(w->min_damage(), 3);
    EXPECT_EQ(w->max_damage(), 7);
    EXPECT_EQ(w->level(), 0);
    EXPECT_EQ(w->resistance(), 0);
    EXPECT_EQ(w->agility(), 0);
    EXPECT_EQ(w->attack(), 0);
    EXPECT_EQ(w->requirement(), 12);
    EXPECT_EQ(w->efficacy(), 10.0F);
    EXPECT_EQ(w->description(),
              "Spada Corta - Dmg 3-7 (5), +1 For, For 10, Sag 2, Luogo: Fabbro di Rocca");
}

TEST(WeaponItem, DamageGroupRenders) {
    EXPECT_EQ(with_damage("Spada Corta", 3, 7)->description(), "Spada Corta - Dmg 3-7 (5), ");
    EXPECT_EQ(with_damage("A", 0, 7)->description(), "A - Dmg -7 (3), ");
    EXPECT_EQ(with_damage("A", 3, 0)->description(), "A - Dmg 3- (1), ");
    EXPECT_EQ(with_damage("A", -1, 4)->description(), "A - Dmg ?-4 (1), ");
    EXPECT_EQ(with_damage("A", -1, -1)->description(), "A - Dmg ?-? (?), ");
    EXPECT_EQ(with_damage("A", -5, -2)->description(), "A - Dmg -5--2 (-3), ");
}

TEST(WeaponItem, ZeroAverageRemovesTheWholeDamageGroup) {
    for (const auto& [low, high] : {std::pair{0, 0}, {0, 1}, {-1, 0}, {-3, 3}}) {
        EXPECT_EQ(with_damage("Bastone", low, high)->description(), "Bastone - ")
            << low << "-" << high;
    }
}

TEST(WeaponItem, ShortLinesRepeatTheLastField) {
    EXPECT_EQ(parse_result(1, "Mazza=\"+2\",4"), 0);
    const Held four = weapon("Mazza=\"+2\",4");
    EXPECT_EQ(four->bonus(), "+2");
    for (int value : {four->strength(), four->intelligence(), four->wisdom(), four->min_damage(),
                      four->max_damage()}) {
        EXPECT_EQ(value, 4);
    }
    EXPECT_EQ(four->location(), "");

    EXPECT_EQ(weapon("A=\"\",1,2,3,\"Bosco\",3")->max_damage(), 3);
    const Held up_to_location = weapon(R"(A="",1,2,3,"Bosco")");
    EXPECT_EQ(up_to_location->min_damage(), 0);
    EXPECT_EQ(up_to_location->max_damage(), 0);
    EXPECT_EQ(up_to_location->location(), "Bosco");
    EXPECT_EQ(parse_result(1, "A=\"\",1,2,3,\"Bosco\",3,"), 0);
    EXPECT_EQ(weapon("A=\"\",1,2,3,\"Bosco\",3,")->max_damage(), 3);
    EXPECT_EQ(weapon("A=\"\",1,2,3,\"Bosco\",3,9,")->max_damage(), 9);
    EXPECT_EQ(weapon("A=\"\",1,2,3,\"Bosco\",3,9,12,,")->max_damage(), 9);
    EXPECT_EQ(parse_result(1, "A=\"\",1,2,3,\"Bosco\",3,9,12,,"), 0); // beyond the seventh field
    EXPECT_EQ(parse_result(1, "A=,\"\",1,2,3,\"Bosco\",3,9"), 1);
}

TEST(WeaponItem, RequirementAndEfficacyRules) {
    const Held w = weapon(R"(A="",-1,0,5,"",-1,6)");
    EXPECT_EQ(w->requirement(), 5);
    EXPECT_EQ(w->efficacy(), 6.0F);
    EXPECT_EQ(w->description(), "A - Dmg ?-6 (2), For ?, Sag 5, ");
}

TEST(WeaponItem, OverflowingFieldsSaturate) {
    const Held w = weapon("A=\"\",99999999999,2147483647,2147483647,\"\",-99999999999,"
                          "99999999999");
    EXPECT_EQ(w->strength(), INT_MAX);
    EXPECT_EQ(w->min_damage(), INT_MIN);
    EXPECT_EQ(w->max_damage(), INT_MAX);
    EXPECT_EQ(w->requirement(), INT_MAX);
    EXPECT_EQ(w->efficacy(), static_cast<float>(INT_MAX));
    // The average of the two extremes is 0, so the damage group vanishes.
    EXPECT_EQ(w->description(), "A - For 2147483647, Int 2147483647, Sag 2147483647, ");

    const Held top = with_damage("B", INT_MAX, INT_MAX);
    EXPECT_EQ(top->efficacy(), 2.0F * static_cast<float>(INT_MAX));
    EXPECT_EQ(top->description(), "B - Dmg 2147483647-2147483647 (2147483647), ");
    EXPECT_EQ(with_damage("C", INT_MIN, INT_MIN)->description(),
              "C - Dmg -2147483648--2147483648 (-2147483648), ");
}

class WeaponOrdering : public SortModeTest {};

TEST_F(WeaponOrdering, EfficacySortComparesAverageDamageThenName) {
    set_current_sort_mode(sort_by_efficacy);
    const Held b = with_damage("B", 3, 4);
    const Held a = with_damage("A", 2, 4); // same average 3, efficacy 6 below 7
    const Held c = with_damage("C", 1, 2);
    EXPECT_TRUE(a->sorts_before(*b));
    EXPECT_FALSE(b->sorts_before(*a));
    EXPECT_TRUE(c->sorts_before(*a));
    EXPECT_FALSE(a->sorts_before(*c));
    const Held unknown = with_damage("Z", -1, 6); // average 2
    EXPECT_TRUE(unknown->sorts_before(*a));
}

TEST_F(WeaponOrdering, RequirementSortThenName) {
    set_current_sort_mode(sort_by_requirement);
    const Held light = weapon(R"(Z="",1,0,0,"",9,9)");
    const Held heavy = weapon(R"(A="",2,0,0,"",1,1)");
    const Held also_heavy = weapon(R"(B="",0,0,2,"",1,1)");
    EXPECT_TRUE(light->sorts_before(*heavy));
    EXPECT_FALSE(heavy->sorts_before(*light));
    EXPECT_TRUE(heavy->sorts_before(*also_heavy));
    EXPECT_FALSE(also_heavy->sorts_before(*heavy));
}

TEST_F(WeaponOrdering, NameSortIgnoresDamageAndRequirement) {
    const Held strong = weapon(R"(B="",9,9,9,"",9,9)");
    const Held weak = weapon(R"(a="",1,1,1,"",1,1)");
    EXPECT_TRUE(strong->sorts_before(*weak));
    EXPECT_FALSE(weak->sorts_before(*strong));
    EXPECT_FALSE(strong->sorts_before(*strong));
    EXPECT_TRUE(weak->sorts_before(*with_damage("\xC0scia", 1, 1))); // accents after ASCII
}

TEST_F(WeaponOrdering, AfterUndefinedBeforeEveryOtherCategory) {
    const Held w = with_damage("Zzz", 9, 9);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        for (int code : {0, 2, 3, 13, 14, 16, 19, 20}) {
            const ItemRef other(create_item(code));
            other->parse_line(R"(Aaa="",0,0,0,0,0,0,"",0)");
            EXPECT_EQ(w->sorts_before(*other), code != 0) << code;
            EXPECT_EQ(other->sorts_before(*w), code == 0) << code;
        }
    }
}

} // namespace
