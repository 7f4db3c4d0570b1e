#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/ability_item.h"
#include "items/item_test_support.h"
#include "items/sort_mode.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line = R"(Parata=3,10,0,8,0,0,"Capitano delle guardie","",100,5)";

TEST(AbilityWorkedExample, ReadsEveryField) {
    const ItemRef item = parsed(19, worked_line);
    const auto& ability = as<AbilityItem>(item);
    EXPECT_EQ(ability.category(), 19);
    EXPECT_EQ(ability.name(), "Parata");
    EXPECT_EQ(ability.level(), 3);
    EXPECT_EQ(ability.strength(), 10);
    EXPECT_EQ(ability.resistance(), 0);
    EXPECT_EQ(ability.agility(), 8);
    EXPECT_EQ(ability.intelligence(), 0);
    EXPECT_EQ(ability.wisdom(), 0);
    EXPECT_EQ(ability.teacher(), "Capitano delle guardie");
    EXPECT_EQ(ability.trainer(), "");
    EXPECT_EQ(ability.teacher_cost(), 100);
    EXPECT_EQ(ability.trainer_cost(), 5);
    EXPECT_EQ(ability.location(), "");
    EXPECT_EQ(ability.attack(), 0);
    EXPECT_EQ(ability.requirement(), 171);
    EXPECT_FLOAT_EQ(ability.efficacy(), 3.0F);
}

TEST(AbilityDescription, WorkedExample) {
    EXPECT_EQ(parsed(19, worked_line)->description(),
              "Parata - Liv. 3, For 10, Agi 8, Insegnante: Capitano delle guardie, "
              "Costo: Ins. 100/Add. 5");
}

TEST(AbilityDescription, EveryGroupInTemplateOrder) {
    EXPECT_EQ(parsed(19, "Tutto=1,2,3,4,5,6,\"Ugo\",\"Ada\",7,8")->description(),
              "Tutto - Liv. 1, For 2, Res 3, Agi 4, Int 5, Insegnante: Ugo, Addestratore Ada, "
              "Costo: Ins. 7/Add. 8");
}

TEST(AbilityDescription, CostLabelAndSlashAlwaysShow) {
    EXPECT_EQ(parsed(19, "Nulla=0,0,0,0,0,0,\"\",\"\",0,0")->description(), "Nulla - Costo: /");
    EXPECT_EQ(parsed(19, "Nulla=0,0,0,0,0,0,\"\",\"\",-1,0")->description(),
              "Nulla - Costo: Ins. ?/");
    EXPECT_EQ(parsed(19, "Nulla=-1,0,0,0,0,0,\"\",\"\",0,-1")->description(),
              "Nulla - Liv. ?, Costo: /Add. ?");
}

TEST(AbilityDescription, WisdomNeverShows) {
    const ItemRef item = parsed(19, R"(Saggezza=0,0,0,0,0,7,"","",0,0)");
    EXPECT_EQ(item->description(), "Saggezza - Costo: /");
    EXPECT_EQ(item->requirement(), 7);
}

TEST(AbilityRules, TrainerCostCountsTenTimes) {
    EXPECT_EQ(parsed(19, "A=0,0,0,0,0,0,\"\",\"\",1,0")->requirement(), 1);
    EXPECT_EQ(parsed(19, "A=0,0,0,0,0,0,\"\",\"\",0,1")->requirement(), 10);
    EXPECT_EQ(parsed(19, "A=1,1,1,1,1,1,\"\",\"\",-1,-1")->requirement(), 6);
    EXPECT_EQ(parsed(19, "A=-1,-1,-1,-1,-1,-1,\"\",\"\",2,3")->requirement(), 32);
}

TEST(AbilityRules, RequirementSaturatesInsteadOfOverflowing) {
    // Ten times a trainer's cost beyond a tenth of the 32-bit range must not wrap around.
    EXPECT_EQ(parsed(19, "A=0,0,0,0,0,0,\"\",\"\",0,214748365")->requirement(), INT_MAX);
    EXPECT_EQ(parsed(19, "A=0,0,0,0,0,0,\"\",\"\",0,214748364")->requirement(), 2147483640);
    EXPECT_EQ(parsed(19, "A=2147483647,2147483647,0,0,0,0,\"\",\"\",2147483647,2147483647")
                  ->requirement(),
              INT_MAX);
}

TEST(AbilityRules, EfficacyIsTheLevelNeverBelowZero) {
    EXPECT_FLOAT_EQ(parsed(19, "A=12,0,0,0,0,0,\"\",\"\",0,0")->efficacy(), 12.0F);
    EXPECT_FLOAT_EQ(parsed(19, "A=0,9,9,9,9,9,\"\",\"\",9,9")->efficacy(), 0.0F);
    EXPECT_FLOAT_EQ(parsed(19, "A=-1,0,0,0,0,0,\"\",\"\",0,0")->efficacy(), 0.0F);
}

TEST(AbilityLines, NineFieldsRepeatTheTeacherCost) {
    const ItemRef item = parsed(19, R"(A=1,0,0,0,0,0,"Ugo","Ada",40)");
    EXPECT_EQ(as<AbilityItem>(item).teacher_cost(), 40);
    EXPECT_EQ(as<AbilityItem>(item).trainer_cost(), 40);
    EXPECT_EQ(item->requirement(), 1 + 40 + 400);
}

TEST(AbilityLines, ShortLineLeavesTheTextsUnsetAndExtraFieldsAreIgnored) {
    const ItemRef short_line = parsed(19, "A=5");
    EXPECT_EQ(short_line->wisdom(), 5);
    EXPECT_EQ(as<AbilityItem>(short_line).teacher(), "");
    EXPECT_EQ(as<AbilityItem>(short_line).trainer_cost(), 5);
    const ItemRef long_line = parsed(19, R"(A=1,2,3,4,5,6,"Ugo","Ada",7,8,"Luogo",9)");
    EXPECT_EQ(as<AbilityItem>(long_line).trainer_cost(), 8);
    EXPECT_EQ(long_line->location(), "");
}

TEST(AbilityLines, UnquotedTeacherAndTrainerStayUnset) {
    const ItemRef item = parsed(19, "A=1,0,0,0,0,0,Ugo,Ada,3,4");
    EXPECT_EQ(as<AbilityItem>(item).teacher(), "");
    EXPECT_EQ(as<AbilityItem>(item).trainer(), "");
    EXPECT_EQ(as<AbilityItem>(item).trainer_cost(), 4);
}

TEST(AbilityLines, BrokenLinesAreRejected) {
    parsed(19, R"(Parata=,10,0,8,0,0,"Capitano","",100,5)", 1);
    parsed(19, "Parata=3,10,0,8,0,0,\"Capitano\",,100,5", 1);
    parsed(19, "Parata=", 1);
    parsed(19, R"(=3,10,0,8,0,0,"Capitano","",100,5)", 2);
}

class AbilityOrdering : public SortModeTest {};

TEST_F(AbilityOrdering, EfficacySortKeepsNameOrder) {
    const ItemRef high = parsed(19, R"(Alfa=30,0,0,0,0,0,"","",0,0)");
    const ItemRef low = parsed(19, R"(Beta=1,0,0,0,0,0,"","",0,0)");
    set_current_sort_mode(sort_by_efficacy);
    EXPECT_TRUE(high->sorts_before(*low));
    EXPECT_FALSE(low->sorts_before(*high));
    set_current_sort_mode(sort_by_requirement);
    EXPECT_TRUE(low->sorts_before(*high));
}

TEST_F(AbilityOrdering, RequirementSortCountsCostsThenName) {
    const ItemRef cheap_teacher = parsed(19, R"(Zeta=0,0,0,0,0,0,"","",9,0)");
    const ItemRef trainer_of_one = parsed(19, R"(Alfa=0,0,0,0,0,0,"","",0,1)");
    const ItemRef also_ten = parsed(19, R"(Beta=0,0,0,0,0,0,"","",10,0)");
    set_current_sort_mode(sort_by_requirement);
    EXPECT_TRUE(cheap_teacher->sorts_before(*trainer_of_one));
    EXPECT_TRUE(trainer_of_one->sorts_before(*also_ten));
    EXPECT_FALSE(also_ten->sorts_before(*trainer_of_one));
}

TEST_F(AbilityOrdering, AbilitiesFollowJewelsAndPrecedeSpells) {
    const ItemRef ability = parsed(19, R"(Zeta=99,99,0,0,0,0,"","",99,99)");
    const ItemRef bracelet(create_item(18));
    ASSERT_EQ(bracelet->parse_line("Alfa=\"\",0,0,0,0,0,0,\"\",0"), 0);
    const ItemRef spell(create_item(20));
    ASSERT_EQ(spell->parse_line("Alfa=0,0,0,0,\"\",\"\",\"\",0,0"), 0);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        EXPECT_TRUE(bracelet->sorts_before(*ability)) << mode;
        EXPECT_FALSE(ability->sorts_before(*bracelet)) << mode;
        EXPECT_TRUE(ability->sorts_before(*spell)) << mode;
        EXPECT_FALSE(spell->sorts_before(*ability)) << mode;
    }
}

} // namespace
