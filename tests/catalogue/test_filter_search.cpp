#include <gtest/gtest.h>

#include <vector>

#include "catalogue_test_support.h"

using namespace catalogue_test;

namespace {

// A catalogue of records with chosen statistics, filled so that it reads in the order given.
class StatCatalogue : public ::testing::Test {
protected:
    void add(std::string_view name, const Stats& stats, ItemCategory code = 0) {
        pending_.push_back(make_stat_item(code, name, stats));
    }
    void add_parsed(int code, std::string_view line) {
        Item* item = make_parsed(code, line);
        ASSERT_NE(item, nullptr) << line;
        pending_.push_back(item);
    }
    ItemList& catalogue() {
        push_in_order(list_, pending_);
        pending_.clear();
        return list_;
    }

private:
    std::vector<Item*> pending_;
    ItemList list_;
};

} // namespace

TEST_F(StatCatalogue, BoundsOfZeroAndBelowPassEverythingReversedWithOneMoreReference) {
    add("A", {.level = -1});
    add("B", {.strength = 7});
    add("C", {});
    ItemList& list = catalogue();
    for (int mode : {0, 1}) {
        auto result = list.filter_stats(0, -1, 0, -5, 0, -2147483647 - 1, 0, mode);
        EXPECT_EQ(names_of(*result), (Names{"C", "B", "A"}));
        for (Item* item : items_of(list)) {
            EXPECT_EQ(item->ref_count(), 2);
        }
    }
    for (Item* item : items_of(list)) {
        EXPECT_EQ(item->ref_count(), 1);
    }
}

TEST_F(StatCatalogue, MinimumBoundsKeepValuesAtOrAboveEveryBound) {
    add("low", {.level = 9, .strength = 20});
    add("edge", {.level = 10, .strength = 5});
    add("high", {.level = 30, .strength = 4});
    add("unknown", {.level = -1, .strength = 50});
    add("none", {.level = 0});
    ItemList& list = catalogue();

    EXPECT_EQ(names_of(*list.filter_min(10, 0, 0, 0, 0, 0, 0)), (Names{"high", "edge"}));
    EXPECT_EQ(names_of(*list.filter_stats(10, 5, 0, 0, 0, 0, 0, 0)), Names{"edge"});
    EXPECT_EQ(names_of(*list.filter_min(0, 1, 0, 0, 0, 0, 0)),
              (Names{"unknown", "high", "edge", "low"}));
}

TEST_F(StatCatalogue, MaximumBoundsKeepValuesAtOrBelowAndTheUnknownAndNone) {
    add("low", {.wisdom = 9});
    add("edge", {.wisdom = 10});
    add("high", {.wisdom = 11});
    add("unknown", {.wisdom = -1});
    add("none", {});
    ItemList& list = catalogue();
    EXPECT_EQ(names_of(*list.filter_stats(0, 0, 0, 0, 10, 0, 0, 1)),
              (Names{"none", "unknown", "edge", "low"}));
}

TEST_F(StatCatalogue, EachBoundReadsItsOwnStatistic) {
    add("level", {.level = 5});
    add("strength", {.strength = 5});
    add("resistance", {.resistance = 5});
    add("agility", {.agility = 5});
    add("wisdom", {.wisdom = 5});
    add("intelligence", {.intelligence = 5});
    ItemList& list = catalogue();
    const Names expected = {"level", "strength", "resistance", "agility", "wisdom", "intelligence"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::int32_t bounds[7] = {0, 0, 0, 0, 0, 0, 0};
        bounds[i] = 5;
        auto min = list.filter_min(bounds[0], bounds[1], bounds[2], bounds[3], bounds[4], bounds[5],
                                   bounds[6]);
        EXPECT_EQ(names_of(*min), Names{expected[i]});
        bounds[i] = 4;
        auto max = list.filter_stats(bounds[0], bounds[1], bounds[2], bounds[3], bounds[4],
                                     bounds[5], bounds[6], 1);
        EXPECT_EQ(max->count(), 5) << expected[i];
    }
}

TEST_F(StatCatalogue, AttackBoundRemovesClassesWithoutAttack) {
    add_parsed(1, R"(Spada="+1",10,0,2,"Rocca",3,7)");
    add_parsed(3, R"(Corazza="",5,0,0,0,0,20,"Forte",4.5)");
    add_parsed(9, R"(Elmo Ignoto="",5,0,0,0,0,-1,"Forte",1)");
    add_parsed(2, R"(Scudo Liscio="",5,0,0,0,0,0,"Forte",2)");
    add("Senza Classe", {.level = 40, .strength = 40});
    ItemList& list = catalogue();

    EXPECT_EQ(names_of(*list.filter_min(0, 0, 0, 0, 0, 0, 1)), Names{"Corazza"});
    EXPECT_EQ(names_of(*list.filter_min(0, 0, 0, 0, 0, 0, 21)), Names{});
    EXPECT_EQ(names_of(*list.filter_stats(0, 0, 0, 0, 0, 0, 19, 1)),
              (Names{"Senza Classe", "Scudo Liscio", "Elmo Ignoto", "Spada"}));
}

TEST_F(StatCatalogue, FirstAndLastItemsAreEachTakenOnce) {
    add("first", {.level = 3});
    add("middle", {.level = 1});
    add("last", {.level = 3});
    ItemList& list = catalogue();
    auto result = list.filter_min(2, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(names_of(*result), (Names{"last", "first"}));
    EXPECT_EQ(result->count(), 2);

    ItemList empty;
    EXPECT_EQ(empty.filter_min(1, 0, 0, 0, 0, 0, 0)->count(), 0);
    EXPECT_EQ(empty.search_name("")->count(), 0);
}

TEST_F(StatCatalogue, FilteringDoesNotChangeTheListItReads) {
    add("A", {.level = 1});
    add("B", {.level = 2});
    ItemList& list = catalogue();
    list.rewind();
    ASSERT_EQ(list.next()->name(), "A");
    auto result = list.filter_min(2, 0, 0, 0, 0, 0, 0);
    auto found = list.search_name("b");
    EXPECT_EQ(names_of(list), (Names{"A", "B"}));
    EXPECT_EQ(list.count(), 2);
}

TEST_F(StatCatalogue, EmptySearchTextSelectsEveryNameEvenAMissingOne) {
    add("Uno", {});
    add("", {});
    add("Tre", {});
    ItemList& list = catalogue();
    auto result = list.search_name("");
    EXPECT_EQ(names_of(*result), (Names{"Tre", "", "Uno"}));
    for (Item* item : items_of(list)) {
        EXPECT_EQ(item->ref_count(), 2);
    }
}

TEST_F(StatCatalogue, SearchComparesLowerCasedNamesWithTheTextAsGiven) {
    add("Spada Lunga", {});
    add("SPADINO", {});
    add("Ascia", {});
    add("pa", {});
    ItemList& list = catalogue();
    EXPECT_EQ(names_of(*list.search_name("spad")), (Names{"SPADINO", "Spada Lunga"}));
    EXPECT_EQ(names_of(*list.search_name("a l")), Names{"Spada Lunga"});
    EXPECT_EQ(names_of(*list.search_name("pa")), (Names{"pa", "SPADINO", "Spada Lunga"}));
    // The text is not lower-cased: a capital finds nothing where names have letters.
    EXPECT_EQ(names_of(*list.search_name("Spad")), Names{});
    EXPECT_EQ(names_of(*list.search_name("paa")), Names{});
    EXPECT_EQ(names_of(*list.search_name("spada lunga ")), Names{});
    EXPECT_EQ(names_of(*list.search_name("cia")), Names{"Ascia"});
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
    ItemList& list = catalogue();
    EXPECT_EQ(names_of(*list.search_name("abilit\xE0")), Names{"Abilit\xC0 Oscura"});
    EXPECT_EQ(names_of(*list.search_name("brill\xE9")), Names{"Pugnale Brill\xE9"});
    EXPECT_EQ(names_of(*list.search_name("\x9A"
                                         "cia")),
              Names{"\x8A"
                    "ciabola"});
    EXPECT_EQ(names_of(*list.search_name("\xFF")), Names{"\x9F"
                                                         "ggdrasil"});
    EXPECT_EQ(names_of(*list.search_name("\xF7")), Names{});
    EXPECT_EQ(names_of(*list.search_name("\xD7")), Names{"Moltiplic\xD7"});
    // An accented capital in the text matches nothing, the names being lower-cased.
    EXPECT_EQ(names_of(*list.search_name("\xC0")), Names{});
}
