#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line =
    R"(Dardo di luce=12,5,14,0,"Magia bianca","","Maestro del tempio",3,250)";

TEST(SpellWorkedExample, ReadsEveryField) {
    const Record item = parsed(20, worked_line);
    EXPECT_EQ(item->category, 20);
    EXPECT_EQ(item->name(), "Dardo di luce");
    EXPECT_EQ(spell(*item).mana, 12);
    EXPECT_EQ(item->level, 5);
    EXPECT_EQ(item->intelligence, 14);
    EXPECT_EQ(item->wisdom, 0);
    EXPECT_EQ(item->text(spell(*item).prerequisite), "Magia bianca");
    EXPECT_EQ(item->location(), "");
    EXPECT_EQ(item->text(spell(*item).teacher), "Maestro del tempio");
    EXPECT_EQ(spell(*item).pa_cost, 3);
    EXPECT_EQ(spell(*item).coin_cost, 250);
    EXPECT_EQ(requirement(*item), 157);
    EXPECT_FLOAT_EQ(efficacy(*item), 15.0F);
}

TEST(SpellDescription, WorkedExample) {
    EXPECT_EQ(description(*parsed(20, worked_line)),
              "Dardo di luce - Liv. 5, Int 14, Mana 12, Req. Magia bianca, "
              "Ins. Maestro del tempio, Costo: PA 3/Mon 250");
}

TEST(SpellDescription, EveryGroupInTemplateOrder) {
    EXPECT_EQ(description(*parsed(20, "Tutto=4,1,2,3,\"Rune\",\"Torre\",\"Ugo\",5,6")),
              "Tutto - Liv. 1, Int 2, Sag 3, Mana 4, Req. Rune, Luogo Torre, Ins. Ugo, "
              "Costo: PA 5/Mon 6");
}

TEST(SpellDescription, CostLabelAndSlashAlwaysShow) {
    EXPECT_EQ(description(*parsed(20, "Nulla=0,0,0,0,\"\",\"\",\"\",0,0")), "Nulla - Costo: /");
    EXPECT_EQ(description(*parsed(20, "Nulla=0,0,0,0,\"\",\"\",\"\",0,40")),
              "Nulla - Costo: /Mon 40");
    EXPECT_EQ(description(*parsed(20, "Nulla=-1,0,0,0,\"\",\"\",\"\",-1,0")),
              "Nulla - Mana ?, Costo: PA ?/");
}

TEST(SpellRules, UnknownManaCountsAsZero) {
    const Record item = parsed(20, R"(A=-1,2,0,0,"","","",4,0)");
    EXPECT_EQ(requirement(*item), 4);
    EXPECT_FLOAT_EQ(efficacy(*item), 4.0F);
}

TEST(SpellRules, EachCostIsHalvedOnItsOwn) {
    EXPECT_EQ(requirement(*parsed(20, "A=0,0,0,0,\"\",\"\",\"\",1,1")), 0);
    EXPECT_EQ(requirement(*parsed(20, "A=0,0,0,0,\"\",\"\",\"\",2,3")), 2);
    EXPECT_EQ(requirement(*parsed(20, "A=0,0,0,0,\"\",\"\",\"\",-1,-1")), 0);
    EXPECT_EQ(requirement(*parsed(20, "A=1,2,3,4,\"\",\"\",\"\",0,0")), 10);
}

TEST(SpellRules, SumsSaturateInsteadOfOverflowing) {
    const Record item = parsed(20, R"(A=2147483647,2147483647,5,5,"","","",2147483647,2147483647)");
    EXPECT_EQ(requirement(*item), INT_MAX);
    EXPECT_FLOAT_EQ(efficacy(*item), 4294967294.0F);
}

TEST(SpellRules, EfficacyIsManaPlusPaCost) {
    EXPECT_FLOAT_EQ(efficacy(*parsed(20, "A=7,50,50,50,\"\",\"\",\"\",2,900")), 9.0F);
    EXPECT_FLOAT_EQ(efficacy(*parsed(20, "A=0,0,0,0,\"\",\"\",\"\",-1,0")), 0.0F);
}

TEST(SpellLines, EightFieldsRepeatThePaCost) {
    const Record item = parsed(20, R"(A=1,1,1,1,"","","Ugo",3)");
    EXPECT_EQ(spell(*item).pa_cost, 3);
    EXPECT_EQ(spell(*item).coin_cost, 3);
}

TEST(SpellLines, OnlyLevelIntelligenceAndWisdomAreRead) {
    const Record item = parsed(20, R"(A=1,2,3,4,"R","L","T",5,6,7,8,9)");
    EXPECT_EQ(item->strength, 0);
    EXPECT_EQ(item->resistance, 0);
    EXPECT_EQ(item->agility, 0);
    EXPECT_EQ(attack(*item), 0);
    EXPECT_EQ(spell(*item).coin_cost, 6);
}

TEST(SpellLines, UnquotedTextsStayUnset) {
    const Record item = parsed(20, "A=1,1,1,1,Rune,Torre,Ugo,2,2");
    EXPECT_EQ(item->text(spell(*item).prerequisite), "");
    EXPECT_EQ(item->location(), "");
    EXPECT_EQ(item->text(spell(*item).teacher), "");
    EXPECT_EQ(spell(*item).coin_cost, 2);
}

TEST(SpellLines, BrokenLinesAreRejected) {
    parsed(20, R"(Dardo=,5,14,0,"Magia","","Maestro",3,250)", ParseResult::empty_field);
    parsed(20, R"(Dardo=12,5,14,0,"Magia","","Maestro",,250)", ParseResult::empty_field);
    parsed(20, "Dardo=", ParseResult::empty_field);
    parsed(20, R"(=12,5,14,0,"Magia","","Maestro",3,250)", ParseResult::no_name);
}

TEST(SpellOrdering, EfficacySortKeepsNameOrder) {
    const Record strong = parsed(20, R"(Alfa=90,0,0,0,"","","",9,0)");
    const Record weak = parsed(20, R"(Beta=1,0,0,0,"","","",0,0)");
    EXPECT_TRUE(sorts_before(*strong, *weak, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*weak, *strong, sort_by_efficacy));
}

TEST(SpellOrdering, RequirementSortThenName) {
    const Record costly = parsed(20, R"(Alfa=0,0,0,0,"","","",0,100)");
    const Record cheap = parsed(20, R"(Zeta=0,0,0,0,"","","",0,3)");
    const Record cheap_too = parsed(20, R"(Beta=1,0,0,0,"","","",0,1)");
    EXPECT_TRUE(sorts_before(*cheap, *costly, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*cheap_too, *cheap, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*cheap, *cheap_too, sort_by_requirement));
}

TEST(SpellOrdering, SortPutsSpellsLastInEveryMode) {
    const Record records[] = {parsed(20, R"(Beta=2,0,0,0,"","","",0,0)"),
                              parsed(20, R"(Alfa=8,0,0,0,"","","",0,9)"),
                              parsed(19, R"(Zeta=99,0,0,0,0,0,"","",0,0)")};
    const auto order = [&records](SortMode mode) {
        std::vector<const Item*> items;
        for (const Record& record : records) {
            items.push_back(&*record);
        }
        std::sort(items.begin(), items.end(),
                  [mode](const Item* a, const Item* b) { return sorts_before(*a, *b, mode); });
        std::string names;
        for (const Item* item : items) {
            names += std::string(item->name()) + ";";
        }
        return names;
    };
    EXPECT_EQ(order(sort_by_name), "Zeta;Alfa;Beta;");
    // Alfa has the greater efficacy (8 against 2), which this sort does not look at.
    EXPECT_EQ(order(sort_by_efficacy), "Zeta;Alfa;Beta;");
    // Alfa needs 8 + 9/2 = 12, Beta 2.
    EXPECT_EQ(order(sort_by_requirement), "Zeta;Beta;Alfa;");
}

} // namespace
