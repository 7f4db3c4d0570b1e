#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"

namespace {

using namespace item_test;

constexpr std::string_view worked_line = R"(Parata=3,10,0,8,0,0,"Capitano delle guardie","",100,5)";

TEST(AbilityWorkedExample, ReadsEveryField) {
    const Record ability = parsed(19, worked_line);
    EXPECT_EQ(ability->category, 19);
    EXPECT_EQ(ability->name(), "Parata");
    EXPECT_EQ(ability->level, 3);
    EXPECT_EQ(ability->strength, 10);
    EXPECT_EQ(ability->resistance, 0);
    EXPECT_EQ(ability->agility, 8);
    EXPECT_EQ(ability->intelligence, 0);
    EXPECT_EQ(ability->wisdom, 0);
    EXPECT_EQ(ability->text(training(*ability).teacher), "Capitano delle guardie");
    EXPECT_EQ(ability->text(training(*ability).trainer), "");
    EXPECT_EQ(training(*ability).teacher_cost, 100);
    EXPECT_EQ(training(*ability).trainer_cost, 5);
    EXPECT_EQ(ability->location(), "");
    EXPECT_EQ(attack(*ability), 0);
    EXPECT_EQ(requirement(*ability), 171);
    EXPECT_FLOAT_EQ(efficacy(*ability), 3.0F);
}

TEST(AbilityDescription, WorkedExample) {
    EXPECT_EQ(description(*parsed(19, worked_line)),
              "Parata - Liv. 3, For 10, Agi 8, Insegnante: Capitano delle guardie, "
              "Costo: Ins. 100/Add. 5");
}

TEST(AbilityDescription, EveryGroupInTemplateOrder) {
    EXPECT_EQ(description(*parsed(19, "Tutto=1,2,3,4,5,6,\"Ugo\",\"Ada\",7,8")),
              "Tutto - Liv. 1, For 2, Res 3, Agi 4, Int 5, Insegnante: Ugo, Addestratore Ada, "
              "Costo: Ins. 7/Add. 8");
}

TEST(AbilityDescription, CostLabelAndSlashAlwaysShow) {
    EXPECT_EQ(description(*parsed(19, "Nulla=0,0,0,0,0,0,\"\",\"\",0,0")), "Nulla - Costo: /");
    EXPECT_EQ(description(*parsed(19, "Nulla=0,0,0,0,0,0,\"\",\"\",-1,0")),
              "Nulla - Costo: Ins. ?/");
    EXPECT_EQ(description(*parsed(19, "Nulla=-1,0,0,0,0,0,\"\",\"\",0,-1")),
              "Nulla - Liv. ?, Costo: /Add. ?");
}

TEST(AbilityDescription, WisdomNeverShows) {
    const Record item = parsed(19, R"(Saggezza=0,0,0,0,0,7,"","",0,0)");
    EXPECT_EQ(description(*item), "Saggezza - Costo: /");
    EXPECT_EQ(requirement(*item), 7);
}

TEST(AbilityRules, TrainerCostCountsTenTimes) {
    EXPECT_EQ(requirement(*parsed(19, "A=0,0,0,0,0,0,\"\",\"\",1,0")), 1);
    EXPECT_EQ(requirement(*parsed(19, "A=0,0,0,0,0,0,\"\",\"\",0,1")), 10);
    EXPECT_EQ(requirement(*parsed(19, "A=1,1,1,1,1,1,\"\",\"\",-1,-1")), 6);
    EXPECT_EQ(requirement(*parsed(19, "A=-1,-1,-1,-1,-1,-1,\"\",\"\",2,3")), 32);
}

TEST(AbilityRules, RequirementSaturatesInsteadOfOverflowing) {
    // Ten times a trainer's cost beyond a tenth of the 32-bit range must not wrap around.
    EXPECT_EQ(requirement(*parsed(19, "A=0,0,0,0,0,0,\"\",\"\",0,214748365")), INT_MAX);
    EXPECT_EQ(requirement(*parsed(19, "A=0,0,0,0,0,0,\"\",\"\",0,214748364")), 2147483640);
    EXPECT_EQ(
        requirement(*parsed(19, "A=2147483647,2147483647,0,0,0,0,\"\",\"\",2147483647,2147483647")),
        INT_MAX);
}

TEST(AbilityRules, EfficacyIsTheLevelNeverBelowZero) {
    EXPECT_FLOAT_EQ(efficacy(*parsed(19, "A=12,0,0,0,0,0,\"\",\"\",0,0")), 12.0F);
    EXPECT_FLOAT_EQ(efficacy(*parsed(19, "A=0,9,9,9,9,9,\"\",\"\",9,9")), 0.0F);
    EXPECT_FLOAT_EQ(efficacy(*parsed(19, "A=-1,0,0,0,0,0,\"\",\"\",0,0")), 0.0F);
}

TEST(AbilityLines, NineFieldsRepeatTheTeacherCost) {
    const Record item = parsed(19, R"(A=1,0,0,0,0,0,"Ugo","Ada",40)");
    EXPECT_EQ(training(*item).teacher_cost, 40);
    EXPECT_EQ(training(*item).trainer_cost, 40);
    EXPECT_EQ(requirement(*item), 1 + 40 + 400);
}

TEST(AbilityLines, ShortLineLeavesTheTextsUnsetAndExtraFieldsAreIgnored) {
    const Record short_line = parsed(19, "A=5");
    EXPECT_EQ(short_line->wisdom, 5);
    EXPECT_EQ(short_line->text(training(*short_line).teacher), "");
    EXPECT_EQ(training(*short_line).trainer_cost, 5);
    const Record long_line = parsed(19, R"(A=1,2,3,4,5,6,"Ugo","Ada",7,8,"Luogo",9)");
    EXPECT_EQ(training(*long_line).trainer_cost, 8);
    EXPECT_EQ(long_line->location(), "");
}

TEST(AbilityLines, UnquotedTeacherAndTrainerStayUnset) {
    const Record item = parsed(19, "A=1,0,0,0,0,0,Ugo,Ada,3,4");
    EXPECT_EQ(item->text(training(*item).teacher), "");
    EXPECT_EQ(item->text(training(*item).trainer), "");
    EXPECT_EQ(training(*item).trainer_cost, 4);
}

TEST(AbilityLines, BrokenLinesAreRejected) {
    parsed(19, R"(Parata=,10,0,8,0,0,"Capitano","",100,5)", ParseResult::empty_field);
    parsed(19, "Parata=3,10,0,8,0,0,\"Capitano\",,100,5", ParseResult::empty_field);
    parsed(19, "Parata=", ParseResult::empty_field);
    parsed(19, R"(=3,10,0,8,0,0,"Capitano","",100,5)", ParseResult::no_name);
}

TEST(AbilityOrdering, EfficacySortKeepsNameOrder) {
    const Record high = parsed(19, R"(Alfa=30,0,0,0,0,0,"","",0,0)");
    const Record low = parsed(19, R"(Beta=1,0,0,0,0,0,"","",0,0)");
    EXPECT_TRUE(sorts_before(*high, *low, sort_by_efficacy));
    EXPECT_FALSE(sorts_before(*low, *high, sort_by_efficacy));
    EXPECT_TRUE(sorts_before(*low, *high, sort_by_requirement));
}

TEST(AbilityOrdering, RequirementSortCountsCostsThenName) {
    const Record cheap_teacher = parsed(19, R"(Zeta=0,0,0,0,0,0,"","",9,0)");
    const Record trainer_of_one = parsed(19, R"(Alfa=0,0,0,0,0,0,"","",0,1)");
    const Record also_ten = parsed(19, R"(Beta=0,0,0,0,0,0,"","",10,0)");
    EXPECT_TRUE(sorts_before(*cheap_teacher, *trainer_of_one, sort_by_requirement));
    EXPECT_TRUE(sorts_before(*trainer_of_one, *also_ten, sort_by_requirement));
    EXPECT_FALSE(sorts_before(*also_ten, *trainer_of_one, sort_by_requirement));
}

TEST(AbilityOrdering, AbilitiesFollowJewelsAndPrecedeSpells) {
    const Record ability = parsed(19, R"(Zeta=99,99,0,0,0,0,"","",99,99)");
    const Record bracelet = parsed(18, R"(Alfa="",0,0,0,0,0,0,"",0)");
    const Record spell_record = parsed(20, R"(Alfa=0,0,0,0,"","","",0,0)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        EXPECT_TRUE(sorts_before(*bracelet, *ability, mode)) << mode;
        EXPECT_FALSE(sorts_before(*ability, *bracelet, mode)) << mode;
        EXPECT_TRUE(sorts_before(*ability, *spell_record, mode)) << mode;
        EXPECT_FALSE(sorts_before(*spell_record, *ability, mode)) << mode;
    }
}

} // namespace
