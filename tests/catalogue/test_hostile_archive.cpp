// Archive files that are broken, hostile or merely huge: everything that can be read is
// loaded, nothing crashes, nothing hangs.
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "catalogue_test_support.h"
#include "items/item_test_support.h"
#include "items/text_1252.h"

namespace {

using catalogue_test::is_ordered;
using catalogue_test::items_of;
using catalogue_test::make_stat_item;
using catalogue_test::Names;
using catalogue_test::names_of;
using catalogue_test::TempArchive;
using item_test::repeat;

// Everything the window does with a catalogue: every sort, both filters, a search, and
// every description of each view.
void browse(ItemList& catalogue) {
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        catalogue.sort(mode);
        EXPECT_TRUE(is_ordered(catalogue)) << mode;
    }
    for (Item* item : items_of(catalogue)) {
        item->description();
    }
    const auto at_least = catalogue.filter_min(1, 0, 0, 0, 0, 0, 1);
    const auto at_most = catalogue.filter_stats(5, 5, 5, 5, 5, 5, 5, 1);
    const auto found = catalogue.search_name("{");
    for (ItemList* view : {at_least.get(), at_most.get(), found.get()}) {
        view->sort(sort_by_requirement);
        EXPECT_TRUE(is_ordered(*view));
        EXPECT_LE(view->count(), catalogue.count());
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
    const TempArchive archive(content);
    ItemList catalogue;
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    EXPECT_GE(catalogue.count(), 7); // every category-0 line is accepted
    browse(catalogue);
}

TEST(HostileArchive, MebibyteLineIsLoadedWhole) {
    const std::string name(std::size_t{1024} * 1024, 'N');
    const TempArchive archive("[armi]\n" + name + "=\"\",1,2,3,\"luogo\",4,6\nCorta=\"\",1\n");
    ItemList catalogue;
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    catalogue.sort(sort_by_name);
    EXPECT_EQ(names_of(catalogue), (Names{"Corta", name}));
    browse(catalogue);
}

TEST(HostileArchive, NulBytesStayInsideTheirLine) {
    using namespace std::string_literals;
    const TempArchive archive("[ar\0mi]\nUno\0Due\n[armi]\nSpa\0da=\"\",1,2,3,\"x\",4,6\n"s);
    ItemList catalogue;
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    // A header with a NUL inside matches nothing; the line after it is a plain record.
    ASSERT_EQ(catalogue.count(), 2);
    catalogue.sort(sort_by_name);
    const std::vector<Item*> items = items_of(catalogue);
    EXPECT_EQ(items[0]->category(), 0);
    EXPECT_EQ(items[0]->name(), std::string("Uno\0Due", 7));
    EXPECT_EQ(items[1]->category(), 1);
    EXPECT_EQ(items[1]->name(), std::string("Spa\0da", 6));
    EXPECT_EQ(catalogue.search_name(std::string("a\0d", 3))->count(), 1);
}

TEST(HostileArchive, InvalidAndUnassignedBytesAreOrdinaryText) {
    const TempArchive archive("[ABILIT\xC0]\nCorsa\x81\x8D=1,2\n[\x81rmi]\n\x8F\x90\x9D\xFF=3,4\n"
                              "[armi]\nSpada\x80=\"\x9D\",1,2,3,\"\xFF\",4,6\n");
    ItemList catalogue;
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    catalogue.sort(sort_by_name);
    const std::vector<Item*> items = items_of(catalogue);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->category(), 1);
    EXPECT_EQ(items[0]->name(), "Spada\x80");
    // "[ABILIT\xC0]" lower-cases to the abilities' header; "[\x81rmi]" is no header at all.
    EXPECT_EQ(items[1]->category(), 19);
    EXPECT_EQ(items[1]->name(), "Corsa\x81\x8D");
    EXPECT_EQ(items[2]->category(), 19);
    EXPECT_EQ(items[2]->name(), "\x8F\x90\x9D\xFF");
    EXPECT_EQ(catalogue.search_name("\x81\x8d")->count(), 1);
    EXPECT_EQ(catalogue.search_name("\xff")->count(), 1);
    browse(catalogue);
}

TEST(HostileArchive, CarriageReturnAloneDoesNotEndALine) {
    // Lines end with a line feed, after a carriage return or not; a lone carriage return
    // is a character of its line (white space at either end of it).
    const TempArchive archive("Uno\rDue\n[armi]\rSpada=\"\",1,2,3,\"x\",4,6\r\r\nTre\r\r\n");
    ItemList catalogue;
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    catalogue.sort(sort_by_name);
    // "[armi]\rSpada=..." is a header line that matches nothing, so "Tre" stays in
    // category 0 as well.
    EXPECT_EQ(names_of(catalogue), (Names{"Tre", "Uno\rDue"}));
    const TempArchive only_cr("[armi]\rSpada=\"\",1,2,3,\"x\",4,6\rAscia=\"\",1,2,3,\"x\",4,6\r");
    ASSERT_EQ(catalogue.load(only_cr.path()), 0);
    EXPECT_EQ(catalogue.count(), 0);
}

TEST(HostileArchive, OnlyHeadersGiveAnEmptyCatalogue) {
    const TempArchive archive("[armi]\n[scudi]\r\n  [Vesti Nere]  \n[abilit\xE0]\n[nessuna]\n[");
    ItemList catalogue;
    catalogue.push_front(make_stat_item(0, "vecchio"));
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    EXPECT_EQ(catalogue.count(), 0);
    browse(catalogue);
}

TEST(HostileArchive, MillionLinesLoadAndSort) {
    constexpr int lines = 1000000;
    std::string content = "[armi]\n";
    content.reserve(static_cast<std::size_t>(lines) * 40);
    for (int i = 0; i < lines; ++i) {
        // Names in descending order, so that the catalogue loads in ascending order: the
        // case that drives a plain quicksort to its deepest.
        const std::string number = std::to_string(lines - i);
        content += "Spada " + std::string(7 - number.size(), '0') + number + "=\"\"," +
                   std::to_string(i % 50) + ",0,0,\"x\"," + std::to_string(i % 7) + ",9\n";
    }
    const TempArchive archive(content);
    ItemList catalogue;
    ASSERT_EQ(catalogue.load(archive.path()), 0);
    ASSERT_EQ(catalogue.count(), lines);
    catalogue.sort(sort_by_name);
    EXPECT_TRUE(is_ordered(catalogue));
    catalogue.rewind();
    EXPECT_EQ(catalogue.next()->name(), "Spada 0000001");
    // The views the window shows of it, each sorted and rendered.
    const auto strong = catalogue.filter_min(0, 49, 0, 0, 0, 0, 0);
    const auto found = catalogue.search_name("spada 00001");
    EXPECT_EQ(strong->count(), lines / 50);
    EXPECT_EQ(found->count(), 100);
    for (ItemList* view : {strong.get(), found.get()}) {
        for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
            view->sort(mode);
            EXPECT_TRUE(is_ordered(*view)) << mode;
        }
        for (Item* item : items_of(*view)) {
            EXPECT_FALSE(item->description().empty());
        }
    }
}

TEST(HostileArchive, FolderNamedArchiveIsNotRead) {
    const TempFolder folder;
    std::filesystem::create_directory(folder.archive());
    ItemList catalogue;
    catalogue.push_front(make_stat_item(0, "vecchio"));
    EXPECT_EQ(catalogue.load(folder.archive().string()), 1);
    EXPECT_EQ(names_of(catalogue), Names{"vecchio"});
}

TEST(HostileArchive, UnreadableArchiveLeavesTheCatalogue) {
    const TempFolder folder;
    ItemList catalogue;
    catalogue.push_front(make_stat_item(0, "vecchio"));
    {
        // Without read permission; the superuser reads it all the same.
        const TempArchive content("Nuovo\n");
        std::filesystem::copy_file(content.path(), folder.archive());
        std::filesystem::permissions(folder.archive(), std::filesystem::perms::none);
        const bool readable = ::access(folder.archive().c_str(), R_OK) == 0;
        EXPECT_EQ(catalogue.load(folder.archive().string()), readable ? 0 : 1);
        EXPECT_EQ(names_of(catalogue), readable ? Names{"Nuovo"} : Names{"vecchio"});
        std::filesystem::remove(folder.archive());
    }
    // A file that opens but fails on reading, for any user: memory of this very process at
    // address 0, reached through a link named "archive.dat".
    catalogue.clear();
    catalogue.push_front(make_stat_item(0, "vecchio"));
    std::filesystem::create_symlink("/proc/self/mem", folder.archive());
    EXPECT_EQ(catalogue.load(folder.archive().string()), 1);
    EXPECT_EQ(names_of(catalogue), Names{"vecchio"});
}

} // namespace
