#include <gtest/gtest.h>

#include <vector>

#include "catalogue_test_support.h"

using namespace catalogue_test;

TEST(ItemListOrder, PushFrontPutsEachNewItemFirstAndReadingEndsWithNone) {
    ItemList list;
    EXPECT_EQ(list.count(), 0);
    list.rewind();
    EXPECT_EQ(list.next(), nullptr);

    Item* a = make_stat_item(0, "A");
    EXPECT_EQ(list.push_front(a), a);
    EXPECT_EQ(names_of(list), Names{"A"});
    list.push_front(make_stat_item(0, "B"));
    list.push_front(make_stat_item(0, "C"));
    EXPECT_EQ(list.count(), 3);

    list.rewind();
    EXPECT_EQ(list.next()->name(), "C");
    EXPECT_EQ(list.next()->name(), "B");
    EXPECT_EQ(list.next()->name(), "A");
    EXPECT_EQ(list.next(), nullptr);
    EXPECT_EQ(list.next(), nullptr);

    // Rewinding starts over from the first item.
    list.rewind();
    EXPECT_EQ(list.next()->name(), "C");
}

TEST(ItemListOrder, PushFrontTakesOverTheCallersReference) {
    Item* a = make_stat_item(0, "A");
    {
        ItemList list;
        list.push_front(a);
        EXPECT_EQ(a->ref_count(), 1);
        a->retain(); // keep it alive past the list
    }
    EXPECT_EQ(a->ref_count(), 1);
    a->release();
}

TEST(ItemListClear, ReleasesEveryReferenceAndLeavesAnEmptyList) {
    Item* kept = make_stat_item(0, "kept");
    ItemList list;
    list.push_front(kept->retain());
    list.push_front(make_stat_item(0, "other"));
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(kept->ref_count(), 1);
    list.rewind();
    EXPECT_EQ(list.next(), nullptr);
    list.clear();

    list.push_front(make_stat_item(0, "again"));
    EXPECT_EQ(names_of(list), Names{"again"});
    kept->release();
}

TEST(ItemListViews, DestroyedViewsLeaveTheCatalogueWholeAndCountsBack) {
    ItemList catalogue;
    std::vector<Item*> records;
    for (const char* name : {"Alfa", "Beta", "Gamma", "Delta"}) {
        records.push_back(make_stat_item(0, name, {.level = 5}));
        catalogue.push_front(records.back());
    }
    {
        auto all = catalogue.filter_min(0, 0, 0, 0, 0, 0, 0);
        auto some = catalogue.search_name("a");
        auto of_view = all->search_name("mm");
        EXPECT_EQ(all->count(), 4);
        EXPECT_EQ(of_view->count(), 1);
        for (Item* record : records) {
            EXPECT_GE(record->ref_count(), 3);
        }
        all->sort(sort_by_name);
        all->clear();
        EXPECT_EQ(some->count(), 4);
    }
    for (Item* record : records) {
        EXPECT_EQ(record->ref_count(), 1);
    }
    EXPECT_EQ(names_of(catalogue), (Names{"Delta", "Gamma", "Beta", "Alfa"}));
}
