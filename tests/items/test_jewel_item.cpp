#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/armour_item.h"
#include "items/item_test_support.h"
#include "items/jewel_item.h"
#include "items/sort_mode.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line =
    R"(Anello di prova="Protezione dal fuoco",2,0,1,0,3,30,"Grotta del lago",1.5)";

TEST(JewelWorkedExample, ReadsEveryField) {
    const ItemRef item = parsed(17, worked_line);
    const auto& ring = as<JewelItem>(item);
    EXPECT_EQ(ring.category(), 17);
    EXPECT_EQ(ring.name(), "Anello di prova");
    EXPECT_EQ(ring.bonus(), "Protezione dal fuoco");
    EXPECT_EQ(ring.strength(), 2);
    EXPECT_EQ(ring.resistance(), 0);
    EXPECT_EQ(ring.agility(), 1);
    EXPECT_EQ(ring.intelligence(), 0);
    EXPECT_EQ(ring.wisdom(), 3);
    EXPECT_EQ(ring.attack(), 30);
    EXPECT_EQ(ring.location(), "Grotta del lago");
    EXPECT_FLOAT_EQ(ring.armour_class(), 1.5F);
    EXPECT_EQ(ring.level(), 0);
    EXPECT_EQ(ring.requirement(), 8);
    EXPECT_FLOAT_EQ(ring.efficacy(), 1.5F);
}

TEST(JewelWorkedExample, EveryJewelCodeMakesAJewel) {
    for (const int code : {16, 17, 18}) {
        const ItemRef item = parsed(code, worked_line);
        EXPECT_EQ(item->category(), code);
        EXPECT_NE(dynamic_cast<const JewelItem*>(item.get()), nullptr) << code;
    }
}

TEST(JewelDescription, WorkedExample) {
    EXPECT_EQ(parsed(17, worked_line)->description(),
              "Anello di prova - CA 1.5, Protezione dal fuoco, For 2, Agi 1, Sag 3, Attacco 30, "
              "Luogo: Grotta del lago");
}

TEST(JewelDescription, ArmourClassAlwaysShows) {
    EXPECT_EQ(parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",3")->description(), "Gemma - CA 3.");
    EXPECT_EQ(parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",0")->description(), "Gemma - CA 0.");
    EXPECT_EQ(parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",-1")->description(), "Gemma - CA ?");
    EXPECT_EQ(parsed(16, "Gemma=\"\",0,0,0,0,0,0,\"\",12.345678")->description(),
              "Gemma - CA 12.346");
}

TEST(JewelDescription, StatisticsInTemplateOrderWithUnknowns) {
    EXPECT_EQ(parsed(18, "Polsiera=\"\",1,2,3,4,5,-1,\"Torre\",2.3")->description(),
              "Polsiera - CA 2.3, For 1, Res 2, Agi 3, Int 4, Sag 5, Attacco ?, Luogo: Torre");
}

TEST(JewelDescription, QuotedBonusKeepsItsCommas) {
    const ItemRef item = parsed(17, R"(Anello="Fuoco, Gelo",0,0,0,0,0,0,"",1)");
    EXPECT_EQ(as<JewelItem>(item).bonus(), "Fuoco, Gelo");
    EXPECT_EQ(item->description(), "Anello - CA 1., Fuoco, Gelo");
}

TEST(JewelRules, AttackAddsAFifteenthToTheRequirement) {
    EXPECT_EQ(parsed(17, "A=\"\",1,1,1,1,1,14,\"\",0")->requirement(), 5);
    EXPECT_EQ(parsed(17, "A=\"\",1,1,1,1,1,15,\"\",0")->requirement(), 6);
    EXPECT_EQ(parsed(17, "A=\"\",1,1,1,1,1,44,\"\",0")->requirement(), 7);
    EXPECT_EQ(parsed(17, "A=\"\",-1,1,-1,1,1,-1,\"\",0")->requirement(), 3);
}

TEST(JewelRules, RequirementSaturatesInsteadOfOverflowing) {
    const ItemRef item = parsed(17, R"(A="",2147483647,2147483647,2147483647,1,1,2147483647,"",0)");
    EXPECT_EQ(item->requirement(), INT_MAX);
}

TEST(JewelRules, EfficacyIsTheArmourClassNeverBelowZero) {
    EXPECT_FLOAT_EQ(parsed(16, "A=\"\",0,0,0,0,0,0,\"\",2.75")->efficacy(), 2.75F);
    EXPECT_FLOAT_EQ(parsed(16, "A=\"\",0,0,0,0,0,0,\"\",-4")->efficacy(), 0.0F);
}

TEST(JewelLines, SingleFieldFillsEveryField) {
    const ItemRef item = parsed(16, "Gemma=2");
    const auto& jewel = as<JewelItem>(item);
    EXPECT_EQ(jewel.bonus(), "");
    EXPECT_EQ(jewel.location(), "");
    EXPECT_EQ(jewel.strength(), 2);
    EXPECT_EQ(jewel.resistance(), 2);
    EXPECT_EQ(jewel.agility(), 2);
    EXPECT_EQ(jewel.intelligence(), 2);
    EXPECT_EQ(jewel.wisdom(), 2);
    EXPECT_EQ(jewel.attack(), 2);
    EXPECT_FLOAT_EQ(jewel.armour_class(), 2.0F);
}

TEST(JewelLines, QuotedBonusAndNumberRepeatTheNumber) {
    const ItemRef item = parsed(16, "Gemma=\"Luce\",4");
    EXPECT_EQ(as<JewelItem>(item).bonus(), "Luce");
    EXPECT_EQ(item->attack(), 4);
    EXPECT_FLOAT_EQ(as<JewelItem>(item).armour_class(), 4.0F);
}

TEST(JewelLines, UnquotedBonusStaysUnset) {
    const ItemRef item = parsed(17, "Anello=Fuoco,1,0,0,0,0,0,\"Lago\",1");
    EXPECT_EQ(as<JewelItem>(item).bonus(), "");
    EXPECT_EQ(item->location(), "Lago");
}

TEST(JewelLines, DecimalCommaCutsTheArmourClass) {
    EXPECT_FLOAT_EQ(as<JewelItem>(parsed(17, "A=\"\",0,0,0,0,0,0,\"\",6,5")).armour_class(), 6.0F);
}

TEST(JewelLines, BrokenLinesAreRejected) {
    parsed(17, "Anello=,2,0,1,0,3,30,\"Grotta\",1.5", 1);
    parsed(17, R"(Anello="",2,0,1,0,3,,"Grotta",1.5)", 1);
    parsed(17, "Anello=", 1);
    parsed(17, R"(="",2,0,1,0,3,30,"Grotta",1.5)", 2);
}

class JewelOrdering : public SortModeTest {};

TEST_F(JewelOrdering, CategoriesComeFirstWhateverTheMode) {
    const ItemRef amulet = parsed(16, R"(Zeta="",50,50,50,50,50,99,"",20)");
    const ItemRef ring = parsed(17, R"(Alfa="",0,0,0,0,0,0,"",0)");
    const ItemRef bracelet = parsed(18, R"(Alfa="",0,0,0,0,0,0,"",-1)");
    const ItemRef cloak = parsed(13, R"(Zz="",90,0,0,0,0,0,"",30)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        EXPECT_TRUE(amulet->sorts_before(*ring)) << mode;
        EXPECT_FALSE(ring->sorts_before(*amulet)) << mode;
        EXPECT_TRUE(ring->sorts_before(*bracelet)) << mode;
        EXPECT_TRUE(cloak->sorts_before(*amulet)) << mode;
        EXPECT_FALSE(amulet->sorts_before(*cloak)) << mode;
    }
}

TEST_F(JewelOrdering, EfficacySortUsesTheUnclampedArmourClass) {
    const ItemRef unknown = parsed(17, R"(Zeta="",0,0,0,0,0,0,"",-1)");
    const ItemRef none = parsed(17, R"(Alfa="",0,0,0,0,0,0,"",0)");
    const ItemRef half = parsed(17, R"(Beta="",0,0,0,0,0,0,"",0.5)");
    const ItemRef half_too = parsed(17, R"(Alfa="",9,0,0,0,0,0,"",0.5)");
    set_current_sort_mode(sort_by_efficacy);
    EXPECT_TRUE(unknown->sorts_before(*none));
    EXPECT_FALSE(none->sorts_before(*unknown));
    EXPECT_TRUE(none->sorts_before(*half));
    EXPECT_TRUE(half_too->sorts_before(*half));
    EXPECT_FALSE(half->sorts_before(*half_too));
}

TEST_F(JewelOrdering, RequirementSortFallsBackToName) {
    const ItemRef heavy = parsed(17, R"(Alfa="",10,0,0,0,0,0,"",9)");
    const ItemRef light = parsed(17, R"(Zeta="",1,0,0,0,0,0,"",1)");
    const ItemRef light_too = parsed(17, R"(Beta="",0,0,0,0,0,15,"",1)");
    set_current_sort_mode(sort_by_requirement);
    EXPECT_TRUE(light->sorts_before(*heavy));
    EXPECT_TRUE(light_too->sorts_before(*light));
    EXPECT_FALSE(light->sorts_before(*light_too));
    set_current_sort_mode(sort_by_name);
    EXPECT_TRUE(heavy->sorts_before(*light_too));
}

} // namespace
