#include <gtest/gtest.h>

#include <vector>

#include "catalogue_test_support.h"

using namespace catalogue_test;

namespace {

// Fills a list by push_front in the order given, so it holds them reversed.
void push_all(ItemList& list, const std::vector<Item*>& items) {
    for (Item* item : items) {
        list.push_front(item);
    }
}

} // namespace

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

TEST(ItemListRemove, UnlinksTheFirstNodeHoldingTheRecordAndHandsOverItsReference) {
    ItemList list;
    Item* a = make_stat_item(0, "A");
    Item* b = make_stat_item(0, "B");
    Item* c = make_stat_item(0, "C");
    push_all(list, {a, b, c}); // C, B, A

    EXPECT_EQ(list.remove(b), b);
    EXPECT_EQ(b->ref_count(), 1);
    b->release();
    EXPECT_EQ(names_of(list), (Names{"C", "A"}));

    // Removing the last item makes its predecessor the last one: new items still go first.
    EXPECT_EQ(list.remove(a), a);
    a->release();
    EXPECT_EQ(names_of(list), Names{"C"});
    list.push_front(make_stat_item(0, "D"));
    EXPECT_EQ(names_of(list), (Names{"D", "C"}));
    EXPECT_EQ(list.count(), 2);
}

TEST(ItemListRemove, AbsentRecordChangesNothing) {
    ItemList list;
    Item* outsider = make_stat_item(0, "X");
    EXPECT_EQ(list.remove(outsider), nullptr);

    push_all(list, {make_stat_item(0, "A"), make_stat_item(0, "B")});
    EXPECT_EQ(list.remove(outsider), nullptr);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(names_of(list), (Names{"B", "A"}));
    EXPECT_EQ(outsider->ref_count(), 1);
    outsider->release();
}

TEST(ItemListRemove, OnlyItemLeavesAnEmptyListThatStillWorks) {
    ItemList list;
    Item* a = make_stat_item(0, "A");
    list.push_front(a);
    EXPECT_EQ(list.remove(a), a);
    EXPECT_EQ(list.count(), 0);
    list.rewind();
    EXPECT_EQ(list.next(), nullptr);
    EXPECT_EQ(list.remove(a), nullptr);
    a->release();

    list.push_front(make_stat_item(0, "B"));
    EXPECT_EQ(names_of(list), Names{"B"});
}

TEST(ItemListRemove, SameRecordHeldTwiceLosesOnlyItsFirstNode) {
    ItemList list;
    Item* a = make_stat_item(0, "A");
    Item* b = make_stat_item(0, "B");
    list.push_front(a);
    list.push_front(b);
    list.push_front(a->retain()); // A, B, A
    EXPECT_EQ(list.remove(a), a);
    a->release();
    EXPECT_EQ(names_of(list), (Names{"B", "A"}));
    EXPECT_EQ(a->ref_count(), 1);
}

TEST(ItemListSplice, OtherListGoesInFrontInItsOrderAndIsLeftEmpty) {
    ItemList list;
    ItemList other;
    push_all(list, {make_stat_item(0, "B"), make_stat_item(0, "A")});
    push_all(other, {make_stat_item(0, "Y"), make_stat_item(0, "X")});

    list.splice_front(other);
    EXPECT_EQ(names_of(list), (Names{"X", "Y", "A", "B"}));
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(other.count(), 0);
    EXPECT_EQ(names_of(other), Names{});

    // The last node is unchanged: a push_front still lands before X, and B stays last.
    list.push_front(make_stat_item(0, "W"));
    EXPECT_EQ(names_of(list), (Names{"W", "X", "Y", "A", "B"}));

    // The emptied list is usable again.
    other.push_front(make_stat_item(0, "Z"));
    EXPECT_EQ(names_of(other), Names{"Z"});
}

TEST(ItemListSplice, EmptyListsOnEitherSide) {
    ItemList list;
    ItemList other;
    list.splice_front(other);
    EXPECT_EQ(list.count(), 0);

    push_all(other, {make_stat_item(0, "B"), make_stat_item(0, "A")});
    list.splice_front(other);
    EXPECT_EQ(names_of(list), (Names{"A", "B"}));
    EXPECT_EQ(other.count(), 0);

    list.splice_front(other);
    EXPECT_EQ(names_of(list), (Names{"A", "B"}));
    list.push_front(make_stat_item(0, "C"));
    EXPECT_EQ(names_of(list), (Names{"C", "A", "B"}));
}

TEST(ItemListSplice, SplicingAListOntoItselfKeepsIt) {
    ItemList list;
    push_all(list, {make_stat_item(0, "B"), make_stat_item(0, "A")});
    list.splice_front(list);
    EXPECT_EQ(names_of(list), (Names{"A", "B"}));
    EXPECT_EQ(list.count(), 2);
}

TEST(ItemListSplice, MovesReferencesWithoutRetainingOrReleasing) {
    Item* x = make_stat_item(0, "X");
    x->retain();
    {
        ItemList list;
        ItemList other;
        other.push_front(x);
        list.splice_front(other);
        EXPECT_EQ(x->ref_count(), 2);
    }
    EXPECT_EQ(x->ref_count(), 1);
    x->release();
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
