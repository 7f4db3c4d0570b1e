#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/busy_indicator.h"
#include "catalogue_test_support.h"

using namespace catalogue_test;

namespace {

ItemList& fill(ItemList& list, const std::vector<Item*>& items) {
    push_in_order(list, items);
    return list;
}

// Whether two items are equivalent under the current mode: neither sorts before the other.
bool equivalent(const Item& a, const Item& b) {
    return !a.sorts_before(b) && !b.sorts_before(a);
}

// A mixed catalogue with many equal keys: weapons, armour and plain records.
std::vector<Item*> mixed_records(std::size_t n, std::uint32_t seed) {
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Item*> items;
    items.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::string name = "N";
        name += std::to_string(pick(0, 400));
        const int kind = pick(0, 2);
        if (kind == 0) {
            items.push_back(make_parsed(1, name + "=\"\"," + std::to_string(pick(-1, 9)) + ",0," +
                                               std::to_string(pick(0, 3)) + ",\"\"," +
                                               std::to_string(pick(-1, 6)) + "," +
                                               std::to_string(pick(0, 8))));
        } else if (kind == 1) {
            items.push_back(make_parsed(pick(2, 13), name + "=\"\"," + std::to_string(pick(0, 4)) +
                                                         ",0,0,0,0," + std::to_string(pick(0, 40)) +
                                                         ",\"\"," +
                                                         std::to_string(pick(0, 12) / 2.0)));
        } else {
            items.push_back(make_stat_item(pick(0, 1) == 0 ? 0 : 20, name,
                                           {.level = pick(-1, 5), .wisdom = pick(0, 5)}));
        }
    }
    return items;
}

// Logs the busy hook and every comparison, to see that sorting happens inside the hook.
std::vector<std::string> event_log;

class LoggingItem : public Item {
public:
    explicit LoggingItem(std::string_view name) { read_name(name); }
    bool sorts_before(const Item& other) const override {
        event_log.emplace_back("compare");
        return Item::sorts_before(other);
    }
};

} // namespace

TEST(SortByName, ThreeItemsPivotOnTheMedian) {
    ItemList list;
    fill(list, {make_stat_item(0, "B"), make_stat_item(0, "A"), make_stat_item(0, "D")});
    list.sort(sort_by_name);
    EXPECT_EQ(names_of(list), (Names{"A", "B", "D"}));
    EXPECT_EQ(current_sort_mode(), sort_by_name);
}

TEST(SortByName, CategoriesAscendThenNamesByUnsignedBytes) {
    ItemList list;
    fill(list, {make_parsed(3, R"(armatura="",1,1,1,1,1,1,"",9)"), make_stat_item(0, "zeta"),
                make_parsed(1, "\xC8lfica=\"\",1,1,1,\"\",1,1"),
                make_parsed(1, R"(ascia="",1,1,1,"",1,1)"), make_stat_item(0, "Zeta"),
                make_parsed(2, R"(Scudo="",1,1,1,1,1,1,"",1)"),
                make_parsed(1, R"(Ascia="",1,1,1,"",1,1)"), make_stat_item(0, "Zet"),
                make_parsed(1, R"(Ascia Lunga="",1,1,1,"",1,1)"), make_stat_item(0, "")});
    list.sort(sort_by_name);
    EXPECT_EQ(names_of(list), (Names{"", "Zet", "Zeta", "zeta", "Ascia", "Ascia Lunga", "ascia",
                                     "\xC8lfica", "Scudo", "armatura"}));
}

TEST(SortByEfficacy, WeaponsByAverageDamageArmourByClassOthersByName) {
    ItemList list;
    fill(list,
         {make_parsed(1, R"(Tre-Quattro="",1,1,1,"",3,4)"),
          make_parsed(1, R"(Due-Quattro="",1,1,1,"",2,4)"),
          make_parsed(1, R"(Alta="",1,1,1,"",10,12)"), make_parsed(1, R"(Zero="",1,1,1,"",0,1)"),
          make_parsed(1, R"(Ignota="",1,1,1,"",-1,-1)"),
          make_parsed(3, R"(Pesante="",1,1,1,1,1,1,"",12.5)"),
          make_parsed(3, R"(Leggera="",1,1,1,1,1,1,"",2.25)"),
          make_parsed(3, R"(Media="",1,1,1,1,1,1,"",2.5)"), make_stat_item(0, "b", {.level = 1}),
          make_stat_item(0, "a", {.level = 9})});
    list.sort(sort_by_efficacy);
    EXPECT_EQ(current_sort_mode(), sort_by_efficacy);
    // Ignota averages -1, Zero 0; 3-4 and 2-4 both average 3 and fall back to the name.
    EXPECT_EQ(names_of(list), (Names{"a", "b", "Ignota", "Zero", "Due-Quattro", "Tre-Quattro",
                                     "Alta", "Leggera", "Media", "Pesante"}));
}

TEST(SortByRequirement, RequirementThenNameWithinEachCategory) {
    ItemList list;
    fill(list,
         {make_stat_item(0, "c", {.level = 2, .strength = -1}),
          make_stat_item(0, "b", {.wisdom = 2}), make_stat_item(0, "a", {.agility = 5}),
          make_parsed(1, R"(Forte="",20,0,0,"",1,1)"), make_parsed(1, R"(Saggia="",0,1,2,"",1,1)"),
          make_parsed(1, R"(Pari="",1,1,1,"",1,1)"),
          make_parsed(2, R"(Attacco="",0,0,0,0,0,45,"",1)"),
          make_parsed(2, R"(Nulla="",0,0,0,0,0,14,"",1)")});
    list.sort(sort_by_requirement);
    // Pari and Saggia both need 3; the attack counts a fifteenth (45 -> 3, 14 -> 0).
    EXPECT_EQ(names_of(list),
              (Names{"b", "c", "a", "Pari", "Saggia", "Forte", "Nulla", "Attacco"}));
}

TEST(SortTies, EqualRecordsAndRepeatedReferencesAllStay) {
    ItemList list;
    Item* twice = make_stat_item(0, "M");
    fill(list, {make_stat_item(0, "M"), make_stat_item(0, "Z"), twice, make_stat_item(0, "A"),
                make_stat_item(0, "M"), twice->retain(), make_stat_item(0, "M")});
    list.sort(sort_by_name);
    EXPECT_EQ(names_of(list), (Names{"A", "M", "M", "M", "M", "M", "Z"}));
    EXPECT_EQ(twice->ref_count(), 2);
}

TEST(SortTies, TiesFollowTheMedianPivotAndGoBelowIt) {
    // Three equal names told apart by their level, which the name order does not read. The
    // pivot is the first M (the median of M, A and the last M); the other Ms tie with it and
    // go to the lower part, which then takes its last M as pivot.
    ItemList list;
    fill(list, {make_stat_item(0, "M", {.level = 1}), make_stat_item(0, "A"),
                make_stat_item(0, "M", {.level = 2}), make_stat_item(0, "Z"),
                make_stat_item(0, "M", {.level = 3})});
    list.sort(sort_by_name);
    std::vector<std::int32_t> levels;
    for (Item* item : items_of(list)) {
        levels.push_back(item->level());
    }
    EXPECT_EQ(names_of(list), (Names{"A", "M", "M", "M", "Z"}));
    EXPECT_EQ(levels, (std::vector<std::int32_t>{0, 2, 3, 1, 0}));
}

TEST(SortEdges, EmptyListKeepsTheModeAndOneItemStays) {
    ItemList one;
    one.push_front(make_stat_item(0, "solo"));
    one.sort(sort_by_requirement);
    EXPECT_EQ(current_sort_mode(), sort_by_requirement);
    EXPECT_EQ(names_of(one), Names{"solo"});

    ItemList empty;
    empty.sort(sort_by_name);
    EXPECT_EQ(current_sort_mode(), sort_by_requirement);
    EXPECT_EQ(empty.count(), 0);

    ItemList two;
    fill(two, {make_stat_item(0, "b"), make_stat_item(0, "a")});
    two.sort(sort_by_name);
    EXPECT_EQ(names_of(two), (Names{"a", "b"}));
    two.push_front(make_stat_item(0, "c")); // the last node is still right after sorting
    EXPECT_EQ(names_of(two), (Names{"c", "a", "b"}));
}

TEST(SortBusyHook, AnnouncedAroundEverySortEvenOfAnEmptyList) {
    set_busy_callback([](bool busy) { event_log.emplace_back(busy ? "busy" : "idle"); });
    event_log.clear();
    ItemList empty;
    empty.sort(sort_by_name);
    EXPECT_EQ(event_log, (Names{"busy", "idle"}));

    event_log.clear();
    ItemList list;
    fill(list, {new LoggingItem("b"), new LoggingItem("c"), new LoggingItem("a")});
    list.sort(sort_by_name);
    ASSERT_GE(event_log.size(), 3U);
    EXPECT_EQ(event_log.front(), "busy");
    EXPECT_EQ(event_log.back(), "idle");
    EXPECT_EQ(std::count(event_log.begin(), event_log.end(), "compare"),
              static_cast<long>(event_log.size()) - 2);

    set_busy_callback(nullptr);
    event_log.clear();
    list.sort(sort_by_name);
    EXPECT_EQ(std::count(event_log.begin(), event_log.end(), "busy"), 0);
    EXPECT_EQ(names_of(list), (Names{"a", "b", "c"}));
}

TEST(SortBusyHook, HookInstalledDuringASortIsNotToldItEnded) {
    class InstallingItem : public Item {
    public:
        explicit InstallingItem(std::string_view name) { read_name(name); }
        bool sorts_before(const Item& other) const override {
            set_busy_callback([](bool busy) { event_log.emplace_back(busy ? "busy" : "idle"); });
            return Item::sorts_before(other);
        }
    };
    set_busy_callback(nullptr);
    event_log.clear();
    ItemList list;
    fill(list, {new InstallingItem("b"), new InstallingItem("a")});
    list.sort(sort_by_name);
    EXPECT_EQ(event_log, Names{});
    set_busy_callback(nullptr);
}

TEST(SortResult, MatchesAReferenceSortUpToTies) {
    for (const std::size_t n : {2U, 3U, 5U, 17U, 100U, 1000U, 5000U}) {
        for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
            const std::vector<Item*> records = mixed_records(n, static_cast<std::uint32_t>(n));
            ItemList list;
            fill(list, records);
            list.sort(mode);
            std::vector<Item*> expected = records;
            std::stable_sort(expected.begin(), expected.end(),
                             [](const Item* a, const Item* b) { return a->sorts_before(*b); });
            std::vector<Item*> sorted = items_of(list);
            ASSERT_EQ(sorted.size(), n);
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_TRUE(equivalent(*sorted[i], *expected[i])) << n << " at " << i;
            }
            std::sort(sorted.begin(), sorted.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(sorted, expected) << "every record exactly once";
            for (Item* item : records) {
                ASSERT_EQ(item->ref_count(), 1);
            }
        }
    }
}

TEST(SortResult, AlmostOrderedListsComeOutOrdered) {
    // One item out of place defeats the median of three on every part, which is what the
    // depth bound is for.
    for (const std::size_t n : {64U, 1000U, 30000U}) {
        for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
            const std::vector<Item*> records = mixed_records(n, static_cast<std::uint32_t>(n + 1));
            ItemList list;
            fill(list, records);
            list.sort(mode);
            std::vector<Item*> expected = items_of(list);
            // The same records with the last one moved to the front.
            std::vector<Item*> nearly(n);
            std::rotate_copy(expected.begin(), expected.end() - 1, expected.end(), nearly.begin());
            ItemList moved;
            for (Item* item : nearly) {
                item->retain();
            }
            fill(moved, nearly);
            list.clear();
            moved.sort(mode);
            std::vector<Item*> sorted = items_of(moved);
            ASSERT_EQ(sorted.size(), n);
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_TRUE(equivalent(*sorted[i], *expected[i])) << n << " at " << i;
            }
            std::sort(sorted.begin(), sorted.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(sorted, expected) << "every record exactly once";
        }
    }
}

TEST(SortResult, LargeListsInOrderAndInReverseOrder) {
    const std::vector<Item*> records = mixed_records(200000, 7);
    ItemList list;
    fill(list, records);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        list.sort(mode);
        ASSERT_TRUE(is_ordered(list)) << "from shuffled, mode " << mode;
        list.sort(mode);
        ASSERT_TRUE(is_ordered(list)) << "from in order, mode " << mode;

        ItemList reversed;
        for (Item* item : items_of(list)) {
            reversed.push_front(item->retain());
        }
        reversed.sort(mode);
        ASSERT_TRUE(is_ordered(reversed)) << "from reverse order, mode " << mode;
        ASSERT_EQ(reversed.count(), 200000);
    }
}
