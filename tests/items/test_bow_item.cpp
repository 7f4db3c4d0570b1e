#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/bow_item.h"
#include "items/item_test_support.h"
#include "items/sort_mode.h"
#include "items/weapon_item.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line = R"(Arco Corto="+1 Agi",5,8,0,0,"Bosco",2,6)";

TEST(BowWorkedExample, ReadsEveryField) {
    const ItemRef item = parsed(14, worked_line);
    const auto& bow = as<BowItem>(item);
    EXPECT_EQ(bow.category(), 14);
    EXPECT_EQ(bow.name(), "Arco Corto");
    EXPECT_EQ(bow.bonus(), "+1 Agi");
    EXPECT_EQ(bow.strength(), 5);
    EXPECT_EQ(bow.agility(), 8);
    EXPECT_EQ(bow.intelligence(), 0);
    EXPECT_EQ(bow.wisdom(), 0);
    EXPECT_EQ(bow.location(), "Bosco");
    EXPECT_EQ(bow.min_damage(), 2);
    EXPECT_EQ(bow.max_damage(), 6);
    EXPECT_EQ(bow.level(), 0);
    EXPECT_EQ(bow.resistance(), 0);
    EXPECT_EQ(bow.attack(), 0);
    EXPECT_EQ(bow.requirement(), 13);
    EXPECT_FLOAT_EQ(bow.efficacy(), 8.0F);
}

TEST(BowWorkedExample, ArrowsReadTheSameLine) {
    const ItemRef bow = parsed(14, worked_line);
    const ItemRef arrow = parsed(15, worked_line);
    EXPECT_EQ(arrow->category(), 15);
    EXPECT_NE(dynamic_cast<const BowItem*>(arrow.get()), nullptr);
    EXPECT_EQ(arrow->description(), bow->description());
    EXPECT_EQ(arrow->requirement(), 13);
}

TEST(BowDescription, WorkedExampleHasTwoBlanksBeforeTheLabel) {
    EXPECT_EQ(parsed(14, worked_line)->description(),
              "Arco Corto - Dmg 2-6 (4), +1 Agi, For 5, Agi 8,  Luogo: Bosco");
}

TEST(BowDescription, LabelStaysWithoutLocation) {
    EXPECT_EQ(parsed(14, "Arco Corto=\"\",5,8,0,0,\"\",2,6")->description(),
              "Arco Corto - Dmg 2-6 (4), For 5, Agi 8,  Luogo:");
    EXPECT_EQ(parsed(14, "Arco Corto=\"\",0,0,0,0,\"\",0,0")->description(),
              "Arco Corto -  Luogo:");
}

TEST(BowDescription, ShowsIntelligenceBeforeWisdomAndUnknownsAsQuestionMarks) {
    EXPECT_EQ(parsed(14, "Arco=\"\",-1,0,3,4,\"Valle\",-1,-1")->description(),
              "Arco - Dmg ?-? (?), For ?, Int 3, Sag 4,  Luogo: Valle");
}

TEST(BowDescription, DamageGroupVanishesWhenTheAverageIsZero) {
    for (const std::string_view damages : {"0,0", "0,1", "-3,3", "-1,0"}) {
        const ItemRef item = parsed(14, R"(Arco="",0,0,0,0,"",)" + std::string(damages));
        EXPECT_EQ(item->description(), "Arco -  Luogo:") << damages;
    }
    EXPECT_EQ(parsed(14, "Arco=\"\",0,0,0,0,\"\",0,7")->description(),
              "Arco - Dmg -7 (3),  Luogo:");
    EXPECT_EQ(parsed(14, "Arco=\"\",0,0,0,0,\"\",-1,4")->description(),
              "Arco - Dmg ?-4 (1),  Luogo:");
}

TEST(BowRules, RequirementCountsFourStatisticsWithUnknownsAsZero) {
    EXPECT_EQ(parsed(14, "Arco=\"\",3,-1,4,5,\"\",1,1")->requirement(), 12);
    // Neither level nor resistance has a field; damages never count.
    EXPECT_EQ(parsed(14, "Arco=\"\",0,0,0,0,\"\",50,90")->requirement(), 0);
}

TEST(BowRules, RequirementSaturatesInsteadOfOverflowing) {
    const ItemRef item = parsed(14, R"(Arco="",2147483647,2147483647,5,5,"",1,1)");
    EXPECT_EQ(item->requirement(), INT_MAX);
}

TEST(BowRules, EfficacyIsTheSumOfTheDamagesNeverBelowZero) {
    EXPECT_FLOAT_EQ(parsed(14, "Arco=\"\",0,0,0,0,\"\",-1,6")->efficacy(), 6.0F);
    EXPECT_FLOAT_EQ(parsed(14, "Arco=\"\",0,0,0,0,\"\",-5,-2")->efficacy(), 0.0F);
    EXPECT_FLOAT_EQ(parsed(14, "Arco=\"\",0,0,0,0,\"\",2147483647,2147483647")->efficacy(),
                    4294967294.0F);
}

TEST(BowLines, ShortLineRepeatsItsLastField) {
    const ItemRef item = parsed(14, "Arco=\"Lesto\",4");
    const auto& bow = as<BowItem>(item);
    EXPECT_EQ(bow.bonus(), "Lesto");
    EXPECT_EQ(bow.strength(), 4);
    EXPECT_EQ(bow.agility(), 4);
    EXPECT_EQ(bow.intelligence(), 4);
    EXPECT_EQ(bow.wisdom(), 4);
    EXPECT_EQ(bow.location(), "");
    EXPECT_EQ(bow.min_damage(), 4);
    EXPECT_EQ(bow.max_damage(), 4);
}

TEST(BowLines, LineEndingEarlyFillsTheMissingDamages) {
    const ItemRef low_only = parsed(14, R"(Arco="",1,1,1,1,"Bosco",2)");
    EXPECT_EQ(as<BowItem>(low_only).max_damage(), 2);
    const ItemRef at_location = parsed(14, R"(Arco="",1,1,1,1,"Bosco")");
    EXPECT_EQ(as<BowItem>(at_location).min_damage(), 0);
    EXPECT_EQ(as<BowItem>(at_location).max_damage(), 0);
    EXPECT_EQ(at_location->location(), "Bosco");
    const ItemRef trailing_comma = parsed(14, R"(Arco="",1,1,1,1,"Bosco",2,)");
    EXPECT_EQ(as<BowItem>(trailing_comma).max_damage(), 2);
    const ItemRef extra = parsed(14, R"(Arco="",1,1,1,1,"Bosco",2,3,99,"x")");
    EXPECT_EQ(as<BowItem>(extra).max_damage(), 3);
}

TEST(BowLines, UnquotedTextsStayUnset) {
    const ItemRef item = parsed(14, "Arco=Lesto,1,2,3,4,Bosco,5,6");
    EXPECT_EQ(as<BowItem>(item).bonus(), "");
    EXPECT_EQ(item->location(), "");
    EXPECT_EQ(as<BowItem>(item).max_damage(), 6);
}

TEST(BowLines, BrokenLinesAreRejected) {
    parsed(14, "Arco=,5,8,0,0,\"Bosco\",2,6", 1);
    parsed(14, R"(Arco="",5,8,,0,"Bosco",2,6)", 1);
    parsed(14, "Arco=", 1);
    parsed(14, R"(="",5,8,0,0,"Bosco",2,6)", 2);
    parsed(15, "Freccia", 1);
}

class BowOrdering : public SortModeTest {};

TEST_F(BowOrdering, EveryBowBeforeEveryArrowAndAfterEveryWeapon) {
    const ItemRef strong_bow = parsed(14, R"(Zeta="",50,50,0,0,"",90,99)");
    const ItemRef weak_arrow = parsed(15, R"(Alfa="",0,0,0,0,"",1,1)");
    const ItemRef weapon = parsed(1, R"(Zz="",99,0,0,"",99,99)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        EXPECT_TRUE(strong_bow->sorts_before(*weak_arrow)) << mode;
        EXPECT_FALSE(weak_arrow->sorts_before(*strong_bow)) << mode;
        EXPECT_TRUE(weapon->sorts_before(*strong_bow)) << mode;
        EXPECT_FALSE(strong_bow->sorts_before(*weapon)) << mode;
    }
}

TEST_F(BowOrdering, EfficacySortComparesTruncatedAverages) {
    const ItemRef b34 = parsed(14, R"(Bravo="",0,0,0,0,"",3,4)");
    const ItemRef a24 = parsed(14, R"(Alfa="",0,0,0,0,"",2,4)");
    const ItemRef c19 = parsed(14, R"(Charlie="",0,0,0,0,"",1,9)");
    set_current_sort_mode(sort_by_efficacy);
    // 3-4 and 2-4 both average 3: the name decides.
    EXPECT_TRUE(a24->sorts_before(*b34));
    EXPECT_FALSE(b34->sorts_before(*a24));
    // 1-9 averages 5 though its sum equals 3-4's plus 3.
    EXPECT_TRUE(b34->sorts_before(*c19));
    EXPECT_FALSE(c19->sorts_before(*a24));
}

TEST_F(BowOrdering, RequirementSortFallsBackToName) {
    const ItemRef heavy = parsed(14, R"(Alfa="",10,10,0,0,"",1,1)");
    const ItemRef light = parsed(14, R"(Zeta="",1,1,0,0,"",9,9)");
    const ItemRef light_too = parsed(14, R"(Beta="",2,0,0,0,"",1,1)");
    set_current_sort_mode(sort_by_requirement);
    EXPECT_TRUE(light->sorts_before(*heavy));
    EXPECT_TRUE(light_too->sorts_before(*light));
    set_current_sort_mode(sort_by_name);
    EXPECT_TRUE(heavy->sorts_before(*light));
    EXPECT_FALSE(heavy->sorts_before(*heavy));
}

} // namespace
