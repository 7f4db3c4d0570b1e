// The sort by keys against the records' own ordering: name ranks in byte order, and whole
// sorts of a catalogue with many ties, sorted again from the order of the sort before, and
// filtered.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_test_support.h"
#include "catalogue/name_ranking.h"
#include "query/query_test_support.h"

using namespace catalogue_test;
using namespace query_test;

namespace {

using namespace std::string_literals;

// Names that share prefixes around the seven-byte steps of the ranking or beyond them, hold NUL
// and high bytes, are empty, or begin one another.
const std::vector<std::string> tricky_names = {
    "",
    "\0"s,
    "\0\0"s,
    "a",
    "a\0"s,
    "abcdef",
    "abcdefg",
    "abcdefgh",
    "abcdefg\0"s,
    "abcdefghi",
    "abcdefgz",
    "abcdefghijklmn",
    "abcdefghijklmno",
    "abcdefghijklmnop",
    "B",
    "\xC8lfica",
    "\xFF",
    "\xFF\xFF",
    "Zeta",
    "zeta",
    // Past the names above (which the random lines take): names alike for two whole steps.
    "Long shared prefix, 1",
    "Long shared prefix, 2",
};

// A data line for code with few distinct values, so that many records tie on each key.
std::string random_line(int code, std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Any name but the empty one, which would make no data line.
    const std::string& name = tricky_names[static_cast<std::size_t>(pick(1, 19))];
    const auto stat = [&] { return std::to_string(pick(-1, 3)); };
    static const char* const classes[] = {"0", "-0", "-0.0", "2.5", "-1.5", "1e39", "-1e39", "7"};
    std::string line = name + "=";
    if (code == 1 || code == 14 || code == 15) {
        line += R"("b",)" + stat() + "," + stat() + "," + stat() + "," +
                (code == 1 ? "" : stat() + ",") + R"("l",)" + stat() + "," + stat();
    } else if (code <= 18) {
        line += R"("b",)" + stat() + "," + stat() + "," + stat() + "," + stat() + "," + stat() +
                "," + std::to_string(pick(0, 31)) + R"(,"l",)" + classes[pick(0, 7)];
    } else {
        line += stat() + "," + stat() + "," + stat() + "," + stat() + "," + stat() + "," + stat() +
                R"(,"t","u",)" + stat() + "," + stat();
    }
    return line;
}

struct DataLine {
    int code;
    std::string text;
};

// count data lines spread over the categories, as they stand in a section of each.
std::vector<DataLine> random_lines(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    static const int codes[] = {0, 1, 2, 13, 14, 15, 17, 19, 20};
    std::vector<DataLine> lines;
    for (std::size_t i = 0; i < count; ++i) {
        const int code = codes[random() % 9];
        lines.push_back({code, random_line(code, random)});
    }
    return lines;
}

// The lines as an archive, each after the header of its category (the plain ones first).
std::string archive_of(const std::vector<DataLine>& lines) {
    static const char* const headers[] = {
        "",        "[armi]",   "[scudi]", "",         "", "",          "",
        "",        "",         "",        "",         "", "",          "[mantelli]",
        "[archi]", "[frecce]", "",        "[anelli]", "", "[abilita]", "[incantesimi]"};
    std::string text;
    for (const DataLine& line : lines) {
        if (line.code == 0) {
            text += line.text + "\n";
        }
    }
    for (const DataLine& line : lines) {
        if (line.code != 0) {
            text += std::string(headers[line.code]) + "\n" + line.text + "\n";
        }
    }
    return text;
}

// The view of the catalogue's records sorted under mode holds the records it held, each
// neighbour pair in order, and matches a sort by sorts_before up to records that tie.
void expect_sorted_as_records_order(ItemView& view, SortMode mode, const Catalogue& catalogue) {
    std::vector<const Item*> expected(view.begin(), view.end());
    sort(view, mode, catalogue);
    const auto before = [mode](const Item* a, const Item* b) { return sorts_before(*a, *b, mode); };
    std::stable_sort(expected.begin(), expected.end(), before);
    std::vector<const Item*> sorted(view.begin(), view.end());
    ASSERT_EQ(sorted.size(), expected.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        ASSERT_FALSE(before(sorted[i], expected[i]) || before(expected[i], sorted[i]))
            << "mode " << mode << " at " << i;
    }
    std::sort(sorted.begin(), sorted.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected) << "every record exactly once";
}

} // namespace

TEST(NameRanks, FollowTheByteOrderOfTheNames) {
    std::vector<std::string_view> names(tricky_names.begin(), tricky_names.end());
    std::mt19937 random(3);
    for (int round = 0; round < 3; ++round) {
        names.insert(names.end(), tricky_names.begin(), tricky_names.end());
        std::shuffle(names.begin(), names.end(), random);
        const LargeVector<std::uint32_t> ranks = rank_names(names).ranks;
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_GE(ranks[i], 1U);
            for (std::size_t j = 0; j < names.size(); ++j) {
                ASSERT_EQ(ranks[i] < ranks[j], names[i] < names[j]) << i << " " << j;
            }
        }
    }
}

TEST(KeyedSort, MatchesTheRecordsOrderingWithManyTies) {
    const Catalogue catalogue = Catalogue::from_text(archive_of(random_lines(3000, 12)));
    ASSERT_EQ(catalogue.size(), 3000U);
    // The ranks the catalogue gave its names follow their byte order within each category.
    for (const Item& a : catalogue.items()) {
        for (const Item& b : catalogue.items().subspan(0, 300)) {
            if (a.category == b.category) {
                ASSERT_EQ(catalogue.name_rank(a) < catalogue.name_rank(b), a.name() < b.name())
                    << a.name();
            }
        }
    }
    ItemView whole = listing_order(catalogue);
    ItemView some = filter_min(whole, {0, 1, 0, 0, 0, 0, 0});
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        for (ItemView* view : {&whole, &some}) {
            expect_sorted_as_records_order(*view, mode, catalogue);
        }
    }
}

TEST(KeyedSort, WholeCatalogueInEachOrderAsSortingTheListingOrderGivesIt) {
    // Enough records for the names to be ranked on two threads, and many ties on every key.
    const Catalogue catalogue = Catalogue::from_text(archive_of(random_lines(100000, 21)));
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        ItemView expected = listing_order(catalogue);
        sort(expected, mode, catalogue);
        EXPECT_TRUE(sorted_catalogue(catalogue, mode) == expected) << "mode " << mode;
    }
}
