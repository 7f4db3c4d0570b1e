// Archive files that are broken, hostile or merely huge: everything that can be read is
// loaded, nothing crashes, nothing hangs.
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "base/text_1252.h"
#include "catalogue/catalogue_test_support.h"
#include "items/description.h"
#include "query/query_test_support.h"

namespace {

using namespace catalogue_test;
using namespace query_test;

std::string repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text.append(piece);
    }
    return text;
}

// The catalogue's records in name order, as the window first shows them.
ItemView by_name(const Catalogue& catalogue) {
    ItemView view = listing_order(catalogue);
    sort(view, sort_by_name, catalogue);
    return view;
}

// Everything the window does with a catalogue: every sort, both filters, a search, and
// every description of each view.
void browse(const Catalogue& catalogue) {
    ItemView whole = listing_order(catalogue);
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        sort(whole, mode, catalogue);
        EXPECT_TRUE(is_ordered(whole, mode)) << mode;
    }
    for (const Item* item : whole) {
        description(*item);
    }
    ItemView at_least = filter_min(whole, {1, 0, 0, 0, 0, 0, 1});
    ItemView at_most = filter_stats(whole, {5, 5, 5, 5, 5, 5, 5}, BoundMode::at_most);
    ItemView found = search_name(whole, "{");
    for (ItemView* view : {&at_least, &at_most, &found}) {
        sort(*view, sort_by_requirement, catalogue);
        EXPECT_TRUE(is_ordered(*view, sort_by_requirement));
        EXPECT_LE(view->size(), catalogue.size());
    }
}

// A folder that is removed, with what it holds, when the test ends.
class TempFolder {
public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("torvane_hostile_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_ / "archive.dat", std::filesystem::perms::owner_all,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path archive() const { return path_ / "archive.dat"; }

private:
    std::filesystem::path path_;
};

TEST(HostileArchive, BracesPlaceholdersAndQuotesOf64KiBUnderEveryHeader) {
    const std::string tokens[] = {"{", "}", "%lvl", "%n", "\"", "%loc", ","};
    std::mt19937 random(64);
    std::string content;
    const char* headers[] = {"",         "[armi]",    "[scudi]",      "[archi]",
                             "[anelli]", "[abilita]", "[incantesimi]"};
    for (const char* header : headers) {
        content += std::string(header) + "\n";
        content += repeat("{", 13000) + repeat("%lvl}", 10000) + "\n";
        content += repeat("{%n", 10000) + "=" + repeat("}\"%lvl", 5000) + "\n";
        std::string mixed;
        while (mixed.size() < std::size_t{64} * 1024) {
            mixed += tokens[random() % 7];
        }
        content += "X" + mixed + "\n";
    }
    const Catalogue catalogue = Catalogue::from_text(content);
    EXPECT_GE(catalogue.size(), 7U); // every category-0 line is accepted
    browse(catalogue);
}

TEST(HostileArchive, MebibyteLineIsLoadedWhole) {
    const std::string name(std::size_t{1024} * 1024, 'N');
    const Catalogue catalogue =
        Catalogue::from_text("[armi]\n" + name + "=\"\",1,2,3,\"luogo\",4,6\nCorta=\"\",1\n");
    EXPECT_EQ(names_of(by_name(catalogue)), (Names{"Corta", name}));
    browse(catalogue);
}

TEST(HostileArchive, NulBytesStayInsideTheirLine) {
    using namespace std::string_literals;
    const Catalogue catalogue =
        Catalogue::from_text("[ar\0mi]\nUno\0Due\n[armi]\nSpa\0da=\"\",1,2,3,\"x\",4,6\n"s);
    // A header with a NUL inside matches nothing; the line after it is a plain record.
    const ItemView items = by_name(catalogue);
    ASSERT_EQ(items.size(), 2U);
    EXPECT_EQ(items[0]->category, 0);
    EXPECT_EQ(items[0]->name(), std::string("Uno\0Due", 7));
    EXPECT_EQ(items[1]->category, 1);
    EXPECT_EQ(items[1]->name(), std::string("Spa\0da", 6));
    EXPECT_EQ(search_name(items, std::string("a\0d", 3)).size(), 1U);
}

TEST(HostileArchive, InvalidAndUnassignedBytesAreOrdinaryText) {
    const Catalogue catalogue =
        Catalogue::from_text("[ABILIT\xC0]\nCorsa\x81\x8D=1,2\n[\x81rmi]\n\x8F\x90\x9D\xFF=3,4\n"
                             "[armi]\nSpada\x80=\"\x9D\",1,2,3,\"\xFF\",4,6\n");
    const ItemView items = by_name(catalogue);
    ASSERT_EQ(items.size(), 3U);
    EXPECT_EQ(items[0]->category, 1);
    EXPECT_EQ(items[0]->name(), "Spada\x80");
    // "[ABILIT\xC0]" lower-cases to the abilities' header; "[\x81rmi]" is no header at all.
    EXPECT_EQ(items[1]->category, 19);
    EXPECT_EQ(items[1]->name(), "Corsa\x81\x8D");
    EXPECT_EQ(items[2]->category, 19);
    EXPECT_EQ(items[2]->name(), "\x8F\x90\x9D\xFF");
    EXPECT_EQ(search_name(items, "\x81\x8d").size(), 1U);
    EXPECT_EQ(search_name(items, "\xff").size(), 1U);
    browse(catalogue);
}

TEST(HostileArchive, CarriageReturnAloneDoesNotEndALine) {
    // Lines end with a line feed, after a carriage return or not; a lone carriage return
    // is a character of its line (white space at either end of it).
    const Catalogue catalogue =
        Catalogue::from_text("Uno\rDue\n[armi]\rSpada=\"\",1,2,3,\"x\",4,6\r\r\nTre\r\r\n");
    // "[armi]\rSpada=..." is a header line that matches nothing, so "Tre" stays in
    // category 0 as well.
    EXPECT_EQ(names_of(by_name(catalogue)), (Names{"Tre", "Uno\rDue"}));
    EXPECT_TRUE(
        Catalogue::from_text("[armi]\rSpada=\"\",1,2,3,\"x\",4,6\rAscia=\"\",1,2,3,\"x\",4,6\r")
            .empty());
}

TEST(HostileArchive, OnlyHeadersGiveAnEmptyCatalogue) {
    const Catalogue catalogue =
        Catalogue::from_text("[armi]\n[scudi]\r\n  [Vesti Nere]  \n[abilit\xE0]\n[nessuna]\n[");
    EXPECT_TRUE(catalogue.empty());
    browse(catalogue);
}

TEST(HostileArchive, MillionLinesLoadAndSort) {
    constexpr int lines = 1000000;
    std::string content = "[armi]\n";
    content.reserve(static_cast<std::size_t>(lines) * 40);
    for (int i = 0; i < lines; ++i) {
        // Names in descending order, so that the catalogue lists them in ascending order.
        const std::string number = std::to_string(lines - i);
        content += "Spada " + std::string(7 - number.size(), '0') + number + "=\"\"," +
                   std::to_string(i % 50) + ",0,0,\"x\"," + std::to_string(i % 7) + ",9\n";
    }
    const Catalogue catalogue = Catalogue::from_text(content);
    ASSERT_EQ(catalogue.size(), static_cast<std::size_t>(lines));
    const ItemView whole = by_name(catalogue);
    EXPECT_TRUE(is_ordered(whole, sort_by_name));
    EXPECT_EQ(whole.front()->name(), "Spada 0000001");
    // The views the window shows of it, each sorted and rendered.
    ItemView strong = filter_min(whole, {0, 49, 0, 0, 0, 0, 0});
    ItemView found = search_name(whole, "spada 00001");
    EXPECT_EQ(strong.size(), static_cast<std::size_t>(lines / 50));
    EXPECT_EQ(found.size(), 100U);
    for (ItemView* view : {&strong, &found}) {
        for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
            sort(*view, mode, catalogue);
            EXPECT_TRUE(is_ordered(*view, mode)) << mode;
        }
        for (const Item* item : *view) {
            EXPECT_FALSE(description(*item).empty());
        }
    }
}

TEST(HostileArchive, FolderNamedArchiveIsNotRead) {
    const TempFolder folder;
    std::filesystem::create_directory(folder.archive());
    EXPECT_EQ(Catalogue::load(folder.archive().string()).status, ReadStatus::not_a_file);
}

TEST(HostileArchive, UnreadableArchiveSaysWhy) {
    const TempFolder folder;
    {
        // Without read permission; the superuser reads it all the same.
        const TempArchive content("Nuovo\n");
        std::filesystem::copy_file(content.path(), folder.archive());
        std::filesystem::permissions(folder.archive(), std::filesystem::perms::none);
        const bool readable = ::access(folder.archive().c_str(), R_OK) == 0;
        const LoadResult result = Catalogue::load(folder.archive().string());
        EXPECT_EQ(result.status, readable ? ReadStatus::read : ReadStatus::no_permission);
        EXPECT_EQ(result.catalogue.size(), readable ? 1U : 0U);
        std::filesystem::remove(folder.archive());
    }
    // A file that opens but fails on reading, for any user: memory of this very process at
    // address 0, reached through a link named "archive.dat".
    std::filesystem::create_symlink("/proc/self/mem", folder.archive());
    const LoadResult result = Catalogue::load(folder.archive().string());
    EXPECT_EQ(result.status, ReadStatus::unreadable);
    EXPECT_TRUE(result.catalogue.empty());
}

} // namespace
