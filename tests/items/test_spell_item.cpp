#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "catalogue/item_list.h"
#include "items/item_test_support.h"
#include "items/sort_mode.h"
#include "items/spell_item.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line =
    R"(Dardo di luce=12,5,14,0,"Magia bianca","","Maestro del tempio",3,250)";

TEST(SpellWorkedExample, ReadsEveryField) {
    const ItemRef item = parsed(20, worked_line);
    const auto& spell = as<SpellItem>(item);
    EXPECT_EQ(spell.category(), 20);
    EXPECT_EQ(spell.name(), "Dardo di luce");
    EXPECT_EQ(spell.mana(), 12);
    EXPECT_EQ(spell.level(), 5);
    EXPECT_EQ(spell.intelligence(), 14);
    EXPECT_EQ(spell.wisdom(), 0);
    EXPECT_EQ(spell.prerequisite(), "Magia bianca");
    EXPECT_EQ(spell.location(), "");
    EXPECT_EQ(spell.teacher(), "Maestro del tempio");
    EXPECT_EQ(spell.pa_cost(), 3);
    EXPECT_EQ(spell.coin_cost(), 250);
    EXPECT_EQ(spell.requirement(), 157);
    EXPECT_FLOAT_EQ(spell.efficacy(), 15.0F);
}

TEST(SpellDescription, WorkedExample) {
    EXPECT_EQ(parsed(20, worked_line)->description(),
              "Dardo di luce - Liv. 5, Int 14, Mana 12, Req. Magia bianca, "
              "Ins. Maestro del tempio, Costo: PA 3/Mon 250");
}

TEST(SpellDescription, EveryGroupInTemplateOrder) {
    EXPECT_EQ(parsed(20, "Tutto=4,1,2,3,\"Rune\",\"Torre\",\"Ugo\",5,6")->description(),
              "Tutto - Liv. 1, Int 2, Sag 3, Mana 4, Req. Rune, Luogo Torre, Ins. Ugo, "
              "Costo: PA 5/Mon 6");
}

TEST(SpellDescription, CostLabelAndSlashAlwaysShow) {
    EXPECT_EQ(parsed(20, "Nulla=0,0,0,0,\"\",\"\",\"\",0,0")->description(), "Nulla - Costo: /");
    EXPECT_EQ(parsed(20, "Nulla=0,0,0,0,\"\",\"\",\"\",0,40")->description(),
              "Nulla - Costo: /Mon 40");
    EXPECT_EQ(parsed(20, "Nulla=-1,0,0,0,\"\",\"\",\"\",-1,0")->description(),
              "Nulla - Mana ?, Costo: PA ?/");
}

TEST(SpellRules, UnknownManaCountsAsZero) {
    const ItemRef item = parsed(20, R"(A=-1,2,0,0,"","","",4,0)");
    EXPECT_EQ(item->requirement(), 4);
    EXPECT_FLOAT_EQ(item->efficacy(), 4.0F);
}

TEST(SpellRules, EachCostIsHalvedOnItsOwn) {
    EXPECT_EQ(parsed(20, "A=0,0,0,0,\"\",\"\",\"\",1,1")->requirement(), 0);
    EXPECT_EQ(parsed(20, "A=0,0,0,0,\"\",\"\",\"\",2,3")->requirement(), 2);
    EXPECT_EQ(parsed(20, "A=0,0,0,0,\"\",\"\",\"\",-1,-1")->requirement(), 0);
    EXPECT_EQ(parsed(20, "A=1,2,3,4,\"\",\"\",\"\",0,0")->requirement(), 10);
}

TEST(SpellRules, SumsSaturateInsteadOfOverflowing) {
    const ItemRef item =
        parsed(20, R"(A=2147483647,2147483647,5,5,"","","",2147483647,2147483647)");
    EXPECT_EQ(item->requirement(), INT_MAX);
    EXPECT_FLOAT_EQ(item->efficacy(), 4294967294.0F);
}

TEST(SpellRules, EfficacyIsManaPlusPaCost) {
    EXPECT_FLOAT_EQ(parsed(20, "A=7,50,50,50,\"\",\"\",\"\",2,900")->efficacy(), 9.0F);
    EXPECT_FLOAT_EQ(parsed(20, "A=0,0,0,0,\"\",\"\",\"\",-1,0")->efficacy(), 0.0F);
}

TEST(SpellLines, EightFieldsRepeatThePaCost) {
    const ItemRef item = parsed(20, R"(A=1,1,1,1,"","","Ugo",3)");
    EXPECT_EQ(as<SpellItem>(item).pa_cost(), 3);
    EXPECT_EQ(as<SpellItem>(item).coin_cost(), 3);
}

TEST(SpellLines, OnlyLevelIntelligenceAndWisdomAreRead) {
    const ItemRef item = parsed(20, R"(A=1,2,3,4,"R","L","T",5,6,7,8,9)");
    EXPECT_EQ(item->strength(), 0);
    EXPECT_EQ(item->resistance(), 0);
    EXPECT_EQ(item->agility(), 0);
    EXPECT_EQ(item->attack(), 0);
    EXPECT_EQ(as<SpellItem>(item).coin_cost(), 6);
}

TEST(SpellLines, UnquotedTextsStayUnset) {
    const ItemRef item = parsed(20, "A=1,1,1,1,Rune,Torre,Ugo,2,2");
    EXPECT_EQ(as<SpellItem>(item).prerequisite(), "");
    EXPECT_EQ(item->location(), "");
    EXPECT_EQ(as<SpellItem>(item).teacher(), "");
    EXPECT_EQ(as<SpellItem>(item).coin_cost(), 2);
}

TEST(SpellLines, BrokenLinesAreRejected) {
    parsed(20, R"(Dardo=,5,14,0,"Magia","","Maestro",3,250)", 1);
    parsed(20, R"(Dardo=12,5,14,0,"Magia","","Maestro",,250)", 1);
    parsed(20, "Dardo=", 1);
    parsed(20, R"(=12,5,14,0,"Magia","","Maestro",3,250)", 2);
}

class SpellOrdering : public SortModeTest {};

TEST_F(SpellOrdering, EfficacySortKeepsNameOrder) {
    const ItemRef strong = parsed(20, R"(Alfa=90,0,0,0,"","","",9,0)");
    const ItemRef weak = parsed(20, R"(Beta=1,0,0,0,"","","",0,0)");
    set_current_sort_mode(sort_by_efficacy);
    EXPECT_TRUE(strong->sorts_before(*weak));
    EXPECT_FALSE(weak->sorts_before(*strong));
}

TEST_F(SpellOrdering, RequirementSortThenName) {
    const ItemRef costly = parsed(20, R"(Alfa=0,0,0,0,"","","",0,100)");
    const ItemRef cheap = parsed(20, R"(Zeta=0,0,0,0,"","","",0,3)");
    const ItemRef cheap_too = parsed(20, R"(Beta=1,0,0,0,"","","",0,1)");
    set_current_sort_mode(sort_by_requirement);
    EXPECT_TRUE(cheap->sorts_before(*costly));
    EXPECT_TRUE(cheap_too->sorts_before(*cheap));
    EXPECT_FALSE(cheap->sorts_before(*cheap_too));
}

TEST_F(SpellOrdering, ListSortPutsSpellsLastInEveryMode) {
    ItemList list;
    const std::string_view spell_lines[] = {R"(Beta=2,0,0,0,"","","",0,0)",
                                            R"(Alfa=8,0,0,0,"","","",0,9)"};
    for (const std::string_view line : spell_lines) {
        Item* spell = list.push_front(create_item(20));
        EXPECT_EQ(spell->parse_line(line), 0);
    }
    Item* ability = list.push_front(create_item(19));
    EXPECT_EQ(ability->parse_line("Zeta=99,0,0,0,0,0,\"\",\"\",0,0"), 0);

    const auto order = [&list] {
        std::string names;
        list.rewind();
        while (Item* item = list.next()) {
            names += item->name() + ";";
        }
        return names;
    };
    list.sort(sort_by_name);
    EXPECT_EQ(order(), "Zeta;Alfa;Beta;");
    // Alfa has the greater efficacy (8 against 2), which this sort does not look at.
    list.sort(sort_by_efficacy);
    EXPECT_EQ(order(), "Zeta;Alfa;Beta;");
    // Alfa needs 8 + 9/2 = 12, Beta 2.
    list.sort(sort_by_requirement);
    EXPECT_EQ(order(), "Zeta;Beta;Alfa;");
}

} // namespace
