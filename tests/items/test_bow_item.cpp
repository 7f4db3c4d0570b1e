#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line = R"(Arco Corto="+1 Agi",5,8,0,0,"Bosco",2,6)";

TEST(BowWorkedExample, ReadsEveryField) {
    const Record bow = parsed(14, worked_line);
    EXPECT_EQ(bow->category, 14);
    EXPECT_EQ(bow->name(), "Arco Corto");
    EXPECT_EQ(bonus(*bow), "+1 Agi");
    EXPECT_EQ(bow->strength, 5);
    EXPECT_EQ(bow->agility, 8);
    EXPECT_EQ(bow->intelligence, 0);
    EXPECT_EQ(bow->wisdom, 0);
    EXPECT_EQ(bow->location(), "Bosco");
    EXPECT_EQ(damage(*bow).min_damage, 2);
    EXPECT_EQ(damage(*bow).max_damage, 6);
    EXPECT_EQ(bow->level, 0);
    EXPECT_EQ(bow->resistance, 0);
    EXPECT_EQ(attack(*bow), 0);
    EXPECT_EQ(requirement(*bow), 13);
    EXPECT_FLOAT_EQ(efficacy(*bow), 8.0F);
}

TEST(BowWorkedExample, ArrowsReadTheSameLine) {
    const Record bow = parsed(14, worked_line);
    const Record arrow = parsed(15, worked_line);
    EXPECT_EQ(arrow->category, 15);
    EXPECT_EQ(kind_of(*arrow), RecordKind::bow);
    EXPECT_EQ(description(*arrow), description(*bow));
    EXPECT_EQ(requirement(*arrow), 13);
}

TEST(BowDescription, WorkedExampleHasTwoBlanksBeforeTheLabel) {
    EXPECT_EQ(description(*parsed(14, worked_line)),
              "Arco Corto - Dmg 2-6 (4), +1 Agi, For 5, Agi 8,  Luogo: Bosco");
}

TEST(BowDescription, LabelStaysWithoutLocation) {
    EXPECT_EQ(description(*parsed(14, "Arco Corto=\"\",5,8,0,0,\"\",2,6")),
              "Arco Corto - Dmg 2-6 (4), For 5, Agi 8,  Luogo:");
    EXPECT_EQ(description(*parsed(14, "Arco Corto=\"\",0,0,0,0,\"\",0,0")), "Arco Corto -  Luogo:");
}

TEST(BowDescription, ShowsIntelligenceBeforeWisdomAndUnknownsAsQuestionMarks) {
    EXPECT_EQ(description(*parsed(14, "Arco=\"\",-1,0,3,4,\"Valle\",-1,-1")),
              "Arco - Dmg ?-? (?), For ?, Int 3, Sag 4,  Luogo: Valle");
}

TEST(BowDescription, DamageGroupVanishesWhenTheAverageIsZero) {
    for (const std::string_view damages : {"0,0", "0,1", "-3,3", "-1,0"}) {
        const Record item = parsed(14, R"(Arco="",0,0,0,0,"",)" + std::string(damages));
        EXPECT_EQ(description(*item), "Arco -  Luogo:") << damages;
    }
    EXPECT_EQ(description(*parsed(14, "Arco=\"\",0,0,0,0,\"\",0,7")), "Arco - Dmg -7 (3),  Luogo:");
    EXPECT_EQ(description(*parsed(14, "Arco=\"\",0,0,0,0,\"\",-1,4")),
              "Arco - Dmg ?-4 (1),  Luogo:");
}

TEST(BowRules, RequirementCountsFourStatisticsWithUnknownsAsZero) {
    EXPECT_EQ(requirement(*parsed(14, "Arco=\"\",3,-1,4,5,\"\",1,1")), 12);
    // Neither level nor resistance has a field; damages never count.
    EXPECT_EQ(requirement(*parsed(14, "Arco=\"\",0,0,0,0,\"\",50,90")), 0);
}

TEST(BowRules, RequirementSaturatesInsteadOfOverflowing) {
    const Record item = parsed(14, R"(Arco="",2147483647,2147483647,5,5,"",1,1)");
    EXPECT_EQ(requirement(*item), INT_MAX);
}

TEST(BowRules, EfficacyIsTheSumOfTheDamagesNeverBelowZero) {
    EXPECT_FLOAT_EQ(efficacy(*parsed(14, "Arco=\"\",0,0,0,0,\"\",-1,6")), 6.0F);
    EXPECT_FLOAT_EQ(efficacy(*parsed(14, "Arco=\"\",0,0,0,0,\"\",-5,-2")), 0.0F);
    EXPECT_FLOAT_EQ(efficacy(*parsed(14, "Arco=\"\",0,0,0,0,\"\",2147483647,2147483647")),
                    4294967294.0F);
}

TEST(BowLines, ShortLineRepeatsItsLastField) {
    const Record bow = parsed(14, "Arco=\"Lesto\",4");
    EXPECT_EQ(bonus(*bow), "Lesto");
    EXPECT_EQ(bow->strength, 4);
    EXPECT_EQ(bow->agility, 4);
    EXPECT_EQ(bow->intelligence, 4);
    EXPECT_EQ(bow->wisdom, 4);
    EXPECT_EQ(bow->location(), "");
    EXPECT_EQ(damage(*bow).min_damage, 4);
    EXPECT_EQ(damage(*bow).max_damage, 4);
}

TEST(BowLines, LineEndingEarlyFillsTheMissingDamages) {
    EXPECT_EQ(damage(*parsed(14, R"(Arco="",1,1,1,1,"Bosco",2)")).max_damage, 2);
    const Record at_location = parsed(14, R"(Arco="",1,1,1,1,"Bosco")");
    EXPECT_EQ(damage(*at_location).min_damage, 0);
    EXPECT_EQ(damage(*at_location).max_damage, 0);
    EXPECT_EQ(at_location->location(), "Bosco");
    EXPECT_EQ(damage(*parsed(14, R"(Arco="",1,1,1,1,"Bosco",2,)")).max_damage, 2);
    EXPECT_EQ(damage(*parsed(14, R"(Arco="",1,1,1,1,"Bosco",2,3,99,"x")")).max_damage, 3);
}

TEST(BowLines, UnquotedTextsStayUnset) {
    const Record item = parsed(14, "Arco=Lesto,1,2,3,4,Bosco,5,6");
    EXPECT_EQ(bonus(*item), "");
    EXPECT_EQ(item->location(), "");
    EXPECT_EQ(damage(*item).max_damage, 6);
}

TEST(BowLines, BrokenLinesAreRejected) {
    parsed(14, "Arco=,5,8,0,0,\"Bosco\",2,6", ParseResult::empty_field);
    parsed(14, R"(Arco="",5,8,,0,"Bosco",2,6)", ParseResult::empty_field);
    parsed(14, "Arco=", ParseResult::empty_field);
    parsed(14, R"(="",5,8,0,0,"Bosco",2,6)", ParseResult::no_name);
    parsed(15, "Freccia", ParseResult::empty_field);
}

TEST(BowOrdering, EveryBowBeforeEveryArrowAndAfterEveryWeapon) {
    const Record strong_bow = parsed(14, R"(Zeta="",50,50,0,0,"",90,99)");
    const Record weak_arrow = parsed(15, R"(Alfa="",0,0,0,0,"",1,1)");
    const Record weapon = parsed(1, R"(Zz="",99,0,0,"",99,99)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        EXPECT_TRUE(sorts_before(*strong_bow, *weak_arrow, mode)) << mode;
        EXPECT_FALSE(sorts_before(*weak_arrow, *strong_bow, mode)) << mode;
        EXPECT_TRUE(sorts_before(*weapon, *strong_bow, mode)) << mode;
        EXPECT_FALSE(sorts_before(*strong_bow, *weapon, mode)) << mode;
    }
}

TEST(BowOrdering, EfficacySortComparesTruncatedAverages) {
    const Record b34 = parsed(14, R"(Bravo="",0,0,0,0,"",3,4)");
    const Record a24 = parsed(14, R"(Alfa="",0,0,0,0,"",2,4)");
    const Record c19 = parsed(14, R"(Charlie="",0,0,0,0,"",1,9)");
    // 3-4 and 2-4 both average 3: the name decides.
    EXPECT_TRUE(sorts_before(*a24, *b34, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*b34, *a24, sort_by_efficacy));
    // 1-9 averages 5 though its sum equals 3-4's plus 3.
    EXPECT_TRUE(sorts_before(*b34, *c19, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*c19, *a24, sort_by_efficacy));
}

TEST(BowOrdering, RequirementSortFallsBackToName) {
    const Record heavy = parsed(14, R"(Alfa="",10,10,0,0,"",1,1)");
    const Record light = parsed(14, R"(Zeta="",1,1,0,0,"",9,9)");
    const Record light_too = parsed(14, R"(Beta="",2,0,0,0,"",1,1)");
    EXPECT_TRUE(sorts_before(*light, *heavy, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*light_too, *light, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*heavy, *light, sort_by_name));
    EXPECT_FALSE(sorts_before(*heavy, *heavy, sort_by_name));
}

} // namespace
