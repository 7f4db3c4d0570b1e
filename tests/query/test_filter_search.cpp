#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "catalogue/catalogue_test_support.h"
#include "query/query_test_support.h"

using namespace catalogue_test;
using namespace query_test;

namespace {

// A catalogue of records with chosen statistics, in the order they were added.
class StatCatalogue : public ::testing::Test {
protected:
    void add(std::string_view name, const Stats& stats) { records_.add(name, stats); }
    void add_parsed(int code, std::string_view line) { records_.add_parsed(code, line); }
    ItemView catalogue() const { return records_.view(); }

private:
    Records records_;
};

} // namespace

TEST_F(StatCatalogue, BoundsOfZeroAndBelowPassEverythingReversed) {
    add("A", {.level = -1});
    add("B", {.strength = 7});
    add("C", {});
    const ItemView list = catalogue();
    for (const BoundMode mode : {BoundMode::at_least, BoundMode::at_most}) {
        const ItemView result = filter_stats(list, {0, -1, 0, -5, 0, -2147483647 - 1, 0}, mode);
        EXPECT_EQ(names_of(result), (Names{"C", "B", "A"}));
    }
}

TEST_F(StatCatalogue, MinimumBoundsKeepValuesAtOrAboveEveryBound) {
    add("low", {.level = 9, .strength = 20});
    add("edge", {.level = 10, .strength = 5});
    add("high", {.level = 30, .strength = 4});
    add("unknown", {.level = -1, .strength = 50});
    add("none", {.level = 0});
    const ItemView list = catalogue();

    EXPECT_EQ(names_of(filter_min(list, {10, 0, 0, 0, 0, 0, 0})), (Names{"high", "edge"}));
    EXPECT_EQ(names_of(filter_stats(list, {10, 5, 0, 0, 0, 0, 0}, BoundMode::at_least)),
              Names{"edge"});
    EXPECT_EQ(names_of(filter_min(list, {0, 1, 0, 0, 0, 0, 0})),
              (Names{"unknown", "high", "edge", "low"}));
}

TEST_F(StatCatalogue, MaximumBoundsKeepValuesAtOrBelowAndTheUnknownAndNone) {
    add("low", {.wisdom = 9});
    add("edge", {.wisdom = 10});
    add("high", {.wisdom = 11});
    add("unknown", {.wisdom = -1});
    add("none", {});
    const ItemView list = catalogue();
    EXPECT_EQ(names_of(filter_stats(list, {0, 0, 0, 0, 10, 0, 0}, BoundMode::at_most)),
              (Names{"none", "unknown", "edge", "low"}));
}

TEST_F(StatCatalogue, EachBoundReadsItsOwnStatistic) {
    add("level", {.level = 5});
    add("strength", {.strength = 5});
    add("resistance", {.resistance = 5});
    add("agility", {.agility = 5});
    add("wisdom", {.wisdom = 5});
    add("intelligence", {.intelligence = 5});
    const ItemView list = catalogue();
    const Names expected = {"level", "strength", "resistance", "agility", "wisdom", "intelligence"};
    constexpr std::array<std::int32_t StatBounds::*, 6> members = {
        &StatBounds::level,   &StatBounds::strength, &StatBounds::resistance,
        &StatBounds::agility, &StatBounds::wisdom,   &StatBounds::intelligence};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        StatBounds bounds;
        bounds.*members[i] = 5;
        EXPECT_EQ(names_of(filter_min(list, bounds)), Names{expected[i]});
        bounds.*members[i] = 4;
        EXPECT_EQ(filter_stats(list, bounds, BoundMode::at_most).size(), 5U) << expected[i];
    }
}

TEST_F(StatCatalogue, AttackBoundRemovesClassesWithoutAttack) {
    add_parsed(1, R"(Spada="+1",10,0,2,"Rocca",3,7)");
    add_parsed(3, R"(Corazza="",5,0,0,0,0,20,"Forte",4.5)");
    add_parsed(9, R"(Elmo Ignoto="",5,0,0,0,0,-1,"Forte",1)");
    add_parsed(2, R"(Scudo Liscio="",5,0,0,0,0,0,"Forte",2)");
    add("Senza Classe", {.level = 40, .strength = 40});
    const ItemView list = catalogue();

    EXPECT_EQ(names_of(filter_min(list, {0, 0, 0, 0, 0, 0, 1})), Names{"Corazza"});
    EXPECT_EQ(names_of(filter_min(list, {0, 0, 0, 0, 0, 0, 21})), Names{});
    EXPECT_EQ(names_of(filter_stats(list, {0, 0, 0, 0, 0, 0, 19}, BoundMode::at_most)),
              (Names{"Senza Classe", "Scudo Liscio", "Elmo Ignoto", "Spada"}));
}

TEST_F(StatCatalogue, FirstAndLastItemsAreEachTakenOnce) {
    add("first", {.level = 3});
    add("middle", {.level = 1});
    add("last", {.level = 3});
    const ItemView list = catalogue();
    EXPECT_EQ(names_of(filter_min(list, {2, 0, 0, 0, 0, 0, 0})), (Names{"last", "first"}));

    const ItemView empty;
    EXPECT_TRUE(filter_min(empty, {1, 0, 0, 0, 0, 0, 0}).empty());
    EXPECT_TRUE(search_name(empty, "").empty());
}

TEST_F(StatCatalogue, EmptySearchTextSelectsEveryNameEvenAMissingOne) {
    add("Uno", {});
    add("", {});
    add("Tre", {});
    const ItemView list = catalogue();
    EXPECT_EQ(names_of(search_name(list, "")), (Names{"Tre", "", "Uno"}));
}

TEST_F(StatCatalogue, SearchComparesLowerCasedNamesWithTheTextAsGiven) {
    add("Spada Lunga", {});
    add("SPADINO", {});
    add("Ascia", {});
    add("pa", {});
    const ItemView list = catalogue();
    EXPECT_EQ(names_of(search_name(list, "spad")), (Names{"SPADINO", "Spada Lunga"}));
    EXPECT_EQ(names_of(search_name(list, "a l")), Names{"Spada Lunga"});
    EXPECT_EQ(names_of(search_name(list, "pa")), (Names{"pa", "SPADINO", "Spada Lunga"}));
    // The text is not lower-cased: a capital finds nothing where names have letters.
    EXPECT_EQ(names_of(search_name(list, "Spad")), Names{});
    EXPECT_EQ(names_of(search_name(list, "paa")), Names{});
    EXPECT_EQ(names_of(search_name(list, "spada lunga ")), Names{});
    EXPECT_EQ(names_of(search_name(list, "cia")), Names{"Ascia"});
}

TEST_F(StatCatalogue, SearchLowerCasesAccentedCapitals) {
    add("Abilit\xC0 Oscura", {}); // A grave as a capital
    add("Pugnale Brill\xE9", {}); // e acute
    add("\x8A"
        "ciabola",
        {});                  // S caron capital
    add("Moltiplic\xD7", {}); // the multiplication sign has no small letter
    add("\x9F"
        "ggdrasil",
        {}); // Y diaeresis capital
    const ItemView list = catalogue();
    EXPECT_EQ(names_of(search_name(list, "abilit\xE0")), Names{"Abilit\xC0 Oscura"});
    EXPECT_EQ(names_of(search_name(list, "brill\xE9")), Names{"Pugnale Brill\xE9"});
    EXPECT_EQ(names_of(search_name(list, "\x9A"
                                         "cia")),
              Names{"\x8A"
                    "ciabola"});
    EXPECT_EQ(names_of(search_name(list, "\xFF")), Names{"\x9F"
                                                         "ggdrasil"});
    EXPECT_EQ(names_of(search_name(list, "\xF7")), Names{});
    EXPECT_EQ(names_of(search_name(list, "\xD7")), Names{"Moltiplic\xD7"});
    // An accented capital in the text matches nothing, the names being lower-cased.
    EXPECT_EQ(names_of(search_name(list, "\xC0")), Names{});
}
