#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_test_support.h"
#include "query/catalogue_view.h"
#include "query/page_lines.h"
#include "query/query_test_support.h"

using namespace catalogue_test;
using namespace query_test;

namespace {

// Whether two records are equivalent under mode: neither sorts before the other.
bool equivalent(const Item& a, const Item& b, SortMode mode) {
    return !sorts_before(a, b, mode) && !sorts_before(b, a, mode);
}

// The names of an archive's records sorted under mode, from the loader's order.
Names sorted_names(std::string_view archive, SortMode mode) {
    const Catalogue catalogue = Catalogue::from_text(archive);
    ItemView view = listing_order(catalogue);
    sort(view, mode, catalogue);
    return names_of(view);
}

// An archive of n records with many equal keys: weapons, armour, abilities and plain records.
std::string mixed_archive(std::size_t n, std::uint32_t seed) {
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    std::string plain;
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string name = "N" + pick(0, 400);
        switch (std::stoi(pick(0, 3))) {
        case 0:
            text += "[armi]\n" + name + "=\"\"," + pick(-1, 9) + ",0," + pick(0, 3) + ",\"\"," +
                    pick(-1, 6) + "," + pick(0, 8) + "\n";
            break;
        case 1:
            text += "[scudi]\n" + name + "=\"\"," + pick(0, 4) + ",0,0,0,0," + pick(0, 40) +
                    ",\"\"," + pick(0, 12) + ".5\n";
            break;
        case 2:
            text += "[abilita]\n" + name + "=" + pick(-1, 5) + ",0,0,0,0," + pick(0, 5) +
                    ",\"\",\"\",0,0\n";
            break;
        default:
            plain += name + "\n";
        }
    }
    return plain + text;
}

} // namespace

TEST(SortByName, CategoriesAscendThenNamesByUnsignedBytes) {
    const std::string archive = "zeta\nZeta\nZet\n=\n"
                                "[armatura]\narmatura=\"\",1,1,1,1,1,1,\"\",9\n"
                                "[armi]\n\xC8lfica=\"\",1,1,1,\"\",1,1\n"
                                "ascia=\"\",1,1,1,\"\",1,1\n"
                                "[scudi]\nScudo=\"\",1,1,1,1,1,1,\"\",1\n"
                                "[armi]\nAscia=\"\",1,1,1,\"\",1,1\n"
                                "Ascia Lunga=\"\",1,1,1,\"\",1,1\n";
    EXPECT_EQ(sorted_names(archive, sort_by_name),
              (Names{"", "Zet", "Zeta", "zeta", "Ascia", "Ascia Lunga", "ascia", "\xC8lfica",
                     "Scudo", "armatura"}));
}

TEST(SortByEfficacy, WeaponsByAverageDamageArmourByClassOthersByName) {
    const std::string archive = "[armi]\n"
                                "Tre-Quattro=\"\",1,1,1,\"\",3,4\n"
                                "Due-Quattro=\"\",1,1,1,\"\",2,4\n"
                                "Alta=\"\",1,1,1,\"\",10,12\n"
                                "Zero=\"\",1,1,1,\"\",0,1\n"
                                "Ignota=\"\",1,1,1,\"\",-1,-1\n"
                                "[armature]\n"
                                "Pesante=\"\",1,1,1,1,1,1,\"\",12.5\n"
                                "Leggera=\"\",1,1,1,1,1,1,\"\",2.25\n"
                                "Media=\"\",1,1,1,1,1,1,\"\",2.5\n"
                                "[abilita]\n"
                                "b=1,0,0,0,0,0,\"\",\"\",0,0\n"
                                "a=9,0,0,0,0,0,\"\",\"\",0,0\n";
    // Ignota averages -1, Zero 0; 3-4 and 2-4 both average 3 and fall back to the name.
    EXPECT_EQ(sorted_names(archive, sort_by_efficacy),
              (Names{"Ignota", "Zero", "Due-Quattro", "Tre-Quattro", "Alta", "Leggera", "Media",
                     "Pesante", "a", "b"}));
}

TEST(SortByRequirement, RequirementThenNameWithinEachCategory) {
    const std::string archive = "[armi]\n"
                                "Forte=\"\",20,0,0,\"\",1,1\n"
                                "Saggia=\"\",0,1,2,\"\",1,1\n"
                                "Pari=\"\",1,1,1,\"\",1,1\n"
                                "[scudi]\n"
                                "Attacco=\"\",0,0,0,0,0,45,\"\",1\n"
                                "Nulla=\"\",0,0,0,0,0,14,\"\",1\n"
                                "[abilita]\n"
                                "c=2,-1,0,0,0,0,\"\",\"\",0,0\n"
                                "b=0,0,0,0,0,2,\"\",\"\",0,0\n"
                                "a=0,0,0,5,0,0,\"\",\"\",0,0\n";
    // Pari and Saggia both need 3; the attack counts a fifteenth (45 -> 3, 14 -> 0).
    EXPECT_EQ(sorted_names(archive, sort_by_requirement),
              (Names{"Pari", "Saggia", "Forte", "Nulla", "Attacco", "b", "c", "a"}));
}

TEST(SortTies, KeepTheOrderOfTheViewAndComeBackWhenTurnedRound) {
    // Four records named M, told apart by their level, which the name order does not read.
    const Catalogue catalogue =
        Catalogue::from_text("[abilita]\nM=1,1\nZ=0,1\nM=2,1\nA=0,1\nM=3,1\nM=4,1\n");
    const auto levels = [](const ItemView& view) {
        std::vector<std::int32_t> levels;
        for (const Item* item : view) {
            levels.push_back(item->level);
        }
        return levels;
    };
    ItemView view = listing_order(catalogue);
    sort(view, sort_by_name, catalogue);
    EXPECT_EQ(names_of(view), (Names{"A", "M", "M", "M", "M", "Z"}));
    EXPECT_EQ(levels(view), (std::vector<std::int32_t>{0, 4, 3, 2, 1, 0}));
    // A filter gives the view back to front; sorted, its ties stand as in the view it read.
    ItemView filtered = filter_stats(view, {}, BoundMode::at_least);
    sort(filtered, sort_by_name, catalogue);
    EXPECT_EQ(levels(filtered), levels(view));
}

TEST(SortEdges, NoneOneAndTwoRecords) {
    const Catalogue catalogue = Catalogue::from_text("b\na\n");
    ItemView empty;
    sort(empty, sort_by_name, catalogue);
    EXPECT_TRUE(empty.empty());
    const Item* const first = catalogue.items().data();
    ItemView one = {first};
    sort(one, sort_by_requirement, catalogue);
    EXPECT_EQ(names_of(one), Names{"b"});
    ItemView two = {first, first + 1};
    sort(two, sort_by_name, catalogue);
    EXPECT_EQ(names_of(two), (Names{"a", "b"}));
}

TEST(SortResult, MatchesAReferenceSortUpToTies) {
    for (const std::size_t n : {2U, 3U, 5U, 17U, 100U, 1000U, 5000U}) {
        const Catalogue catalogue = Catalogue::from_text(mixed_archive(n, n));
        for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
            ItemView view = listing_order(catalogue);
            std::vector<const Item*> expected(view.begin(), view.end());
            sort(view, mode, catalogue);
            std::stable_sort(
                expected.begin(), expected.end(),
                [mode](const Item* a, const Item* b) { return sorts_before(*a, *b, mode); });
            ASSERT_EQ(view.size(), n);
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_TRUE(equivalent(*view[i], *expected[i], mode)) << n << " at " << i;
            }
            std::vector<const Item*> sorted(view.begin(), view.end());
            std::sort(sorted.begin(), sorted.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(sorted, expected) << "every record exactly once";
        }
    }
}

TEST(SortResult, FromInOrderReverseOrderAndOneOutOfPlace) {
    const Catalogue catalogue = Catalogue::from_text(mixed_archive(200000, 7));
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        ItemView view = listing_order(catalogue);
        sort(view, mode, catalogue);
        ASSERT_TRUE(is_ordered(view, mode)) << "from the loader's order, mode " << mode;
        sort(view, mode, catalogue);
        ASSERT_TRUE(is_ordered(view, mode)) << "from in order, mode " << mode;
        ItemView reversed(view.rbegin(), view.rend());
        sort(reversed, mode, catalogue);
        ASSERT_TRUE(is_ordered(reversed, mode)) << "from reverse order, mode " << mode;
        std::rotate(view.begin(), view.end() - 1, view.end());
        sort(view, mode, catalogue);
        ASSERT_TRUE(is_ordered(view, mode)) << "from one out of place, mode " << mode;
    }
}

TEST(CatalogueViews, ShowWhatFilteringAndSortingTheSortedCatalogueShows) {
    const auto first =
        std::make_shared<const Catalogue>(Catalogue::from_text(mixed_archive(3000, 11)));
    const auto second =
        std::make_shared<const Catalogue>(Catalogue::from_text(mixed_archive(500, 12)));
    // The same queries, asked in turn, in every order, of one catalogue and then the next:
    // views kept from an earlier query must never leak into a later one.
    std::vector<ViewQuery> queries(5);
    queries[1].use_min = true;
    queries[1].min.level = 3;
    queries[2].use_max = true;
    queries[2].max.strength = 4;
    queries[3] = queries[1];
    queries[3].use_max = true;
    queries[3].max.resistance = 6;
    queries[4].kind = ViewQuery::Kind::search;
    queries[4].search_text = "n1";
    CatalogueView views;
    for (const std::shared_ptr<const Catalogue>& catalogue : {first, second}) {
        views.set_catalogue(catalogue);
        for (const SortMode mode : {sort_by_requirement, sort_by_name, sort_by_efficacy}) {
            ItemView whole = listing_order(*catalogue);
            sort(whole, mode, *catalogue);
            for (ViewQuery query : queries) {
                query.sort_mode = mode;
                ItemView expected = whole;
                if (query.kind == ViewQuery::Kind::search) {
                    expected = search_name(whole, query.search_text);
                } else if (query.use_min || query.use_max) {
                    if (query.use_min) {
                        expected = filter_min(expected, query.min);
                    }
                    if (query.use_max) {
                        expected = filter_stats(expected, query.max, BoundMode::at_most);
                    }
                }
                sort(expected, mode, *catalogue);
                const std::vector<const Item*> shown = records_in(views.show(query));
                EXPECT_TRUE(
                    std::equal(shown.begin(), shown.end(), expected.begin(), expected.end()))
                    << "mode " << mode << ", " << shown.size() << " against " << expected.size();
            }
        }
    }
}

TEST(CatalogueViews, WhatTheyShowKeepsItsCatalogueAndOrder) {
    // The whole catalogue in the order the catalogue keeps, in one the views keep, and the
    // few records a filter picked, which only the order shown keeps.
    std::vector<ViewQuery> queries(3);
    queries[1].sort_mode = sort_by_efficacy;
    queries[2].use_min = true;
    queries[2].min.level = 3;
    for (const ViewQuery& query : queries) {
        auto catalogue =
            std::make_shared<const Catalogue>(Catalogue::from_text(mixed_archive(300, 5)));
        const std::weak_ptr<const Catalogue> read = catalogue;
        CatalogueView views;
        views.set_catalogue(catalogue);
        std::optional<CatalogueOrder> shown = views.show(query);
        const Names names = names_of(records_in(*shown));
        std::optional<std::array<PageLines, page_count>> pages = group_into_pages(*shown);
        // The window lets go of a catalogue when it reads the next one, and of an order when it
        // shows the next: the lines that still show their records keep them (AddressSanitizer
        // watches the records and the places).
        catalogue.reset();
        views.set_catalogue(std::make_shared<const Catalogue>());
        shown.reset();
        ASSERT_FALSE(read.expired());
        // The archive's categories lie on pages in their order, so the pages list the order.
        EXPECT_EQ(names_of(records_of(*pages)), names) << "mode " << query.sort_mode;
        pages.reset();
        EXPECT_TRUE(read.expired());
    }
}
