#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line =
    R"(Anello di prova="Protezione dal fuoco",2,0,1,0,3,30,"Grotta del lago",1.5)";

float armour_class(const Record& jewel) {
    return protection(*jewel).armour_class;
}

TEST(JewelWorkedExample, ReadsEveryField) {
    const Record ring = parsed(17, worked_line);
    EXPECT_EQ(ring->category, 17);
    EXPECT_EQ(ring->name(), "Anello di prova");
    EXPECT_EQ(bonus(*ring), "Protezione dal fuoco");
    EXPECT_EQ(ring->strength, 2);
    EXPECT_EQ(ring->resistance, 0);
    EXPECT_EQ(ring->agility, 1);
    EXPECT_EQ(ring->intelligence, 0);
    EXPECT_EQ(ring->wisdom, 3);
    EXPECT_EQ(attack(*ring), 30);
    EXPECT_EQ(ring->location(), "Grotta del lago");
    EXPECT_FLOAT_EQ(armour_class(ring), 1.5F);
    EXPECT_EQ(ring->level, 0);
    EXPECT_EQ(requirement(*ring), 8);
    EXPECT_FLOAT_EQ(efficacy(*ring), 1.5F);
}

TEST(JewelWorkedExample, EveryJewelCodeMakesAJewel) {
    for (const int code : {16, 17, 18}) {
        const Record item = parsed(code, worked_line);
        EXPECT_EQ(item->category, code);
        EXPECT_EQ(kind_of(*item), RecordKind::jewel) << code;
    }
}

TEST(JewelDescription, WorkedExample) {
    EXPECT_EQ(description(*parsed(17, worked_line)),
              "Anello di prova - CA 1.5, Protezione dal fuoco, For 2, Agi 1, Sag 3, Attacco 30, "
              "Luogo: Grotta del lago");
}

TEST(JewelDescription, ArmourClassAlwaysShows) {
    EXPECT_EQ(description(*parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",3")), "Gemma - CA 3.");
    EXPECT_EQ(description(*parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",0")), "Gemma - CA 0.");
    EXPECT_EQ(description(*parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",-1")), "Gemma - CA ?");
    EXPECT_EQ(description(*parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",12.345678")),
              "Gemma - CA 12.346");
}

TEST(JewelDescription, StatisticsInTemplateOrderWithUnknowns) {
    EXPECT_EQ(description(*parsed(18, "Polsiera=\"\",1,2,3,4,5,-1,\"Torre\",2.3")),
              "Polsiera - CA 2.3, For 1, Res 2, Agi 3, Int 4, Sag 5, Attacco ?, Luogo: Torre");
}

TEST(JewelDescription, QuotedBonusKeepsItsCommas) {
    const Record item = parsed(17, R"(Anello="Fuoco, Gelo",0,0,0,0,0,0,"",1)");
    EXPECT_EQ(bonus(*item), "Fuoco, Gelo");
    EXPECT_EQ(description(*item), "Anello - CA 1., Fuoco, Gelo");
}

TEST(JewelRules, AttackAddsAFifteenthToTheRequirement) {
    EXPECT_EQ(requirement(*parsed(17, "A=\"\",1,1,1,1,1,14,\"\",0")), 5);
    EXPECT_EQ(requirement(*parsed(17, "A=\"\",1,1,1,1,1,15,\"\",0")), 6);
    EXPECT_EQ(requirement(*parsed(17, "A=\"\",1,1,1,1,1,44,\"\",0")), 7);
    EXPECT_EQ(requirement(*parsed(17, "A=\"\",-1,1,-1,1,1,-1,\"\",0")), 3);
}

TEST(JewelRules, RequirementSaturatesInsteadOfOverflowing) {
    const Record item = parsed(17, R"(A="",2147483647,2147483647,2147483647,1,1,2147483647,"",0)");
    EXPECT_EQ(requirement(*item), INT_MAX);
}

TEST(JewelRules, EfficacyIsTheArmourClassNeverBelowZero) {
    EXPECT_FLOAT_EQ(efficacy(*parsed(16, "A=\"\",0,0,0,0,0,0,\"\",2.75")), 2.75F);
    EXPECT_FLOAT_EQ(efficacy(*parsed(16, "A=\"\",0,0,0,0,0,0,\"\",-4")), 0.0F);
}

TEST(JewelLines, SingleFieldFillsEveryField) {
    const Record jewel = parsed(16, "Gemma=2");
    EXPECT_EQ(bonus(*jewel), "");
    EXPECT_EQ(jewel->location(), "");
    EXPECT_EQ(jewel->strength, 2);
    EXPECT_EQ(jewel->resistance, 2);
    EXPECT_EQ(jewel->agility, 2);
    EXPECT_EQ(jewel->intelligence, 2);
    EXPECT_EQ(jewel->wisdom, 2);
    EXPECT_EQ(attack(*jewel), 2);
    EXPECT_FLOAT_EQ(armour_class(jewel), 2.0F);
}

TEST(JewelLines, QuotedBonusAndNumberRepeatTheNumber) {
    const Record item = parsed(16, "Gemma=\"Luce\",4");
    EXPECT_EQ(bonus(*item), "Luce");
    EXPECT_EQ(attack(*item), 4);
    EXPECT_FLOAT_EQ(armour_class(item), 4.0F);
}

TEST(JewelLines, UnquotedBonusStaysUnset) {
    const Record item = parsed(17, "Anello=Fuoco,1,0,0,0,0,0,\"Lago\",1");
    EXPECT_EQ(bonus(*item), "");
    EXPECT_EQ(item->location(), "Lago");
}

TEST(JewelLines, DecimalCommaCutsTheArmourClass) {
    EXPECT_FLOAT_EQ(armour_class(parsed(17, "A=\"\",0,0,0,0,0,0,\"\",6,5")), 6.0F);
}

TEST(JewelLines, BrokenLinesAreRejected) {
    parsed(17, "Anello=,2,0,1,0,3,30,\"Grotta\",1.5", ParseResult::empty_field);
    parsed(17, R"(Anello="",2,0,1,0,3,,"Grotta",1.5)", ParseResult::empty_field);
    parsed(17, "Anello=", ParseResult::empty_field);
    parsed(17, R"(="",2,0,1,0,3,30,"Grotta",1.5)", ParseResult::no_name);
}

TEST(JewelOrdering, CategoriesComeFirstWhateverTheMode) {
    const Record amulet = parsed(16, R"(Zeta="",50,50,50,50,50,99,"",20)");
    const Record ring = parsed(17, R"(Alfa="",0,0,0,0,0,0,"",0)");
    const Record bracelet = parsed(18, R"(Alfa="",0,0,0,0,0,0,"",-1)");
    const Record cloak = parsed(13, R"(Zz="",90,0,0,0,0,0,"",30)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        EXPECT_TRUE(sorts_before(*amulet, *ring, mode)) << mode;
        EXPECT_FALSE(sorts_before(*ring, *amulet, mode)) << mode;
        EXPECT_TRUE(sorts_before(*ring, *bracelet, mode)) << mode;
        EXPECT_TRUE(sorts_before(*cloak, *amulet, mode)) << mode;
        EXPECT_FALSE(sorts_before(*amulet, *cloak, mode)) << mode;
    }
}

TEST(JewelOrdering, EfficacySortUsesTheUnclampedArmourClass) {
    const Record unknown = parsed(17, R"(Zeta="",0,0,0,0,0,0,"",-1)");
    const Record none = parsed(17, R"(Alfa="",0,0,0,0,0,0,"",0)");
    const Record half = parsed(17, R"(Beta="",0,0,0,0,0,0,"",0.5)");
    const Record half_too = parsed(17, R"(Alfa="",9,0,0,0,0,0,"",0.5)");
    EXPECT_TRUE(sorts_before(*unknown, *none, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*none, *unknown, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*none, *half, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*half_too, *half, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*half, *half_too, sort_by_efficacy));
}

TEST(JewelOrdering, RequirementSortFallsBackToName) {
    const Record heavy = parsed(17, R"(Alfa="",10,0,0,0,0,0,"",9)");
    const Record light = parsed(17, R"(Zeta="",1,0,0,0,0,0,"",1)");
    const Record light_too = parsed(17, R"(Beta="",0,0,0,0,0,15,"",1)");
    EXPECT_TRUE(sorts_before(*light, *heavy, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*light_too, *light, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*light, *light_too, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*heavy, *light_too, sort_by_name));
}

} // namespace
