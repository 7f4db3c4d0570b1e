#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include "catalogue/archive_format.h"
#include "catalogue_test_support.h"
#include "items/weapon_item.h"

using namespace catalogue_test;

namespace {

// A data line with more non-empty fields than any category reads, so every class accepts it.
std::string any_line(std::string_view name) {
    return std::string(name) + "=\"b\",1,2,3,4,5,6,\"l\",7,8,9,10\n";
}

std::vector<int> categories_of(ItemList& list) {
    std::vector<int> codes;
    for (Item* item : items_of(list)) {
        codes.push_back(item->category());
    }
    return codes;
}

} // namespace

TEST(ArchiveLines, CommentsAndBlankLinesOnlyGiveAnEmptyList) {
    TempArchive archive("; a comment\n\n   \t\n  ; indented comment\r\n\r\n;[armi]\n");
    ItemList list;
    EXPECT_EQ(list.load(archive.path()), 0);
    EXPECT_EQ(list.count(), 0);
}

TEST(ArchiveLines, EmptyFileReadsAsEmpty) {
    TempArchive archive("");
    ItemList list;
    EXPECT_EQ(list.load(archive.path()), 0);
    EXPECT_EQ(list.count(), 0);
}

TEST(ArchiveLines, RecordsComeInReverseFileOrderWithCrLfAndNoFinalLineEnd) {
    TempArchive archive("[armi]\r\n"
                        "Prima=\"+1\",10,0,2,\"Rocca\",3,7\r\n"
                        "  Seconda=\"\",1,1,1,\"\",2,4   \r\n"
                        "Terza=\"x\",0,0,0,\"Porto\",1,9");
    ItemList list;
    ASSERT_EQ(list.load(archive.path()), 0);
    EXPECT_EQ(names_of(list), (Names{"Terza", "Seconda", "Prima"}));

    // The line is trimmed before parsing: no carriage return or blank reaches a field.
    const std::vector<Item*> items = items_of(list);
    const auto& terza = static_cast<const WeaponItem&>(*items[0]);
    EXPECT_EQ(terza.max_damage(), 9);
    const auto& seconda = static_cast<const WeaponItem&>(*items[1]);
    EXPECT_EQ(seconda.max_damage(), 4);
    const auto& prima = static_cast<const WeaponItem&>(*items[2]);
    EXPECT_EQ(prima.location(), "Rocca");
    EXPECT_EQ(prima.max_damage(), 7);
}

TEST(ArchiveLines, RejectedLinesAreDroppedAndNotCounted) {
    TempArchive archive("[armi]\n"
                        "Buona=\"\",1,2,3,\"\",4,5\n"
                        "Vuota=\"\",1,,3,\"\",4,5\n"
                        "Niente=\n"
                        "=\"\",1,2,3,\"\",4,5\n"
                        "Corta=\"\",1\n");
    ItemList list;
    ASSERT_EQ(list.load(archive.path()), 0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(names_of(list), (Names{"Corta", "Buona"}));
}

TEST(ArchiveLines, LinesBeforeTheFirstHeaderArePlainRecordsOfCategoryZero) {
    TempArchive archive("solo un nome\n"
                        "=senza nome\n"
                        "Nome=,,\n"
                        "[sconosciuta]\n"
                        "Dopo=x\n"
                        "[armi]\n"
                        "Spada=\"\",1,2,3,\"\",4,5\n");
    ItemList list;
    ASSERT_EQ(list.load(archive.path()), 0);
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(categories_of(list), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(names_of(list), (Names{"Spada", "Dopo", "Nome", "", "solo un nome"}));
}

TEST(ArchiveHeaders, EveryHeaderSelectsItsCategory) {
    const std::vector<std::pair<std::string, int>> headers = {
        {"[arma]", 1},         {"[armi]", 1},          {"[scudo]", 2},
        {"[scudi]", 2},        {"[armatura]", 3},      {"[armature]", 3},
        {"[vestenera]", 4},    {"[veste nera]", 4},    {"[vestinere]", 4},
        {"[vesti nere]", 4},   {"[vesteverde]", 5},    {"[veste verde]", 5},
        {"[vestiverdi]", 5},   {"[vesti verdi]", 5},   {"[vestebianca]", 6},
        {"[veste bianca]", 6}, {"[vestibianche]", 6},  {"[vesti bianche]", 6},
        {"[vesterossa]", 7},   {"[veste rossa]", 7},   {"[vestirosse]", 7},
        {"[vesti rosse]", 7},  {"[vestearciere]", 8},  {"[veste arciere]", 8},
        {"[vestiarciere]", 8}, {"[vesti arciere]", 8}, {"[elmo]", 9},
        {"[elmi]", 9},         {"[guanti]", 10},       {"[stivali]", 11},
        {"[cintura]", 12},     {"[cinture]", 12},      {"[mantello]", 13},
        {"[mantelli]", 13},    {"[arco]", 14},         {"[archi]", 14},
        {"[frecce]", 15},      {"[amuleto]", 16},      {"[amuleti]", 16},
        {"[anello]", 17},      {"[anelli]", 17},       {"[bracciale]", 18},
        {"[bracciali]", 18},   {"[abilita]", 19},      {"[abilit\xE0]", 19},
        {"[abilita']", 19},    {"[incantesimo]", 20},  {"[incantesimi]", 20},
    };
    for (const auto& [header, code] : headers) {
        EXPECT_EQ(category_of_header(header), code) << header;
        // A category-0 record first, so that a header that fails to switch shows up.
        TempArchive archive(any_line("Prima") + header + "\n" + any_line("Dopo"));
        ItemList list;
        ASSERT_EQ(list.load(archive.path()), 0);
        EXPECT_EQ(categories_of(list), (std::vector<int>{code, 0})) << header;
    }
}

TEST(ArchiveHeaders, CapitalsAndSurroundingBlanksStillSelect) {
    TempArchive archive("[ARMI]\n" + any_line("A") +          //
                        "  \t[Scudi]  \r\n" + any_line("B") + //
                        "[VESTI NERE]\n" + any_line("C") +    //
                        "[abilit\xE0]\n" + any_line("D") +    //
                        "[ARMATURE]\n" + any_line("E") +      //
                        "[ABILIT\xC0]\n" + any_line("F") +    //
                        "[Abilita']\n" + any_line("G"));
    ItemList list;
    ASSERT_EQ(list.load(archive.path()), 0);
    EXPECT_EQ(categories_of(list), (std::vector<int>{19, 19, 3, 19, 4, 2, 1}));
}

TEST(ArchiveHeaders, HeadersWithAnythingElseOnTheLineAreIgnored) {
    const std::vector<std::string> not_headers = {
        "[armi] extra", "[ armi]", "[armi ]", "[vestenere ]", "[veste  nera]", "[armi];",
        "[armi",        "[]",      "[",       "[abilit\xE1]", "[scudo]]",      "[ARMI]x",
    };
    for (const std::string& header : not_headers) {
        EXPECT_EQ(category_of_header(header), -1) << header;
        TempArchive archive("[elmi]\n" + header + "\n" + any_line("X"));
        ItemList list;
        ASSERT_EQ(list.load(archive.path()), 0);
        EXPECT_EQ(categories_of(list), std::vector<int>{9}) << header;
    }
    // The category table's unused spellings are empty: no header matches them.
    EXPECT_EQ(category_of_header(""), -1);
}

TEST(ArchiveTrim, RemovesTheCLocaleWhiteSpaceAtBothEnds) {
    EXPECT_EQ(trim_blanks(" \t\v\f\r\n x y \r\n\t"), "x y");
    EXPECT_EQ(trim_blanks(" \t\r\n"), "");
    EXPECT_EQ(trim_blanks(""), "");
    EXPECT_EQ(trim_blanks("\xA0x\xA0"), "\xA0x\xA0"); // a non-breaking space is text
}

TEST(ArchiveReload, SecondLoadReleasesTheFirst) {
    TempArchive first("uno\ndue\n");
    TempArchive second("[armi]\ntre=\"\",1,1,1,\"\",1,1\n");
    ItemList list;
    ASSERT_EQ(list.load(first.path()), 0);
    ASSERT_EQ(list.count(), 2);
    list.rewind();
    Item* kept = list.next()->retain();
    EXPECT_EQ(kept->ref_count(), 2);

    ASSERT_EQ(list.load(second.path()), 0);
    EXPECT_EQ(kept->ref_count(), 1);
    EXPECT_EQ(names_of(list), Names{"tre"});
    kept->release();
}

TEST(ArchiveFailure, PathsThatCannotBeReadReturnOneAndKeepTheList) {
    TempArchive good("uno\ndue\n");
    ItemList list;
    ASSERT_EQ(list.load(good.path()), 0);

    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::vector<std::string> bad_paths = {
        (folder / "torvane_no_such_archive.dat").string(),
        folder.string(),
        good.path() + "/below_a_file.dat",
        "",
        std::string("archive\0.dat", 12),
    };
    for (const std::string& path : bad_paths) {
        EXPECT_EQ(list.load(path), 1) << path;
        EXPECT_EQ(names_of(list), (Names{"due", "uno"})) << path;
    }
}

TEST(ArchiveFailure, PipesAndDevicesAreNotRead) {
    ItemList list;
    list.push_front(make_stat_item(0, "keep"));

    // A pipe blocks whoever opens it until the other end is opened too. A writer waits for a
    // reader here, so that a loader that did open the pipe would read a line and return 0
    // rather than hang; afterwards the test opens the pipe itself to release the writer.
    const std::string fifo = TempArchive("").path() + ".fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&fifo] {
        const int out = ::open(fifo.c_str(), O_WRONLY);
        if (out >= 0) {
            [[maybe_unused]] const auto written = ::write(out, "x\n", 2);
            ::close(out);
        }
    });
    EXPECT_EQ(list.load(fifo), 1);
    const int in = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(in);
    std::filesystem::remove(fifo);

    EXPECT_EQ(list.load("/dev/null"), 1);
    EXPECT_EQ(names_of(list), Names{"keep"});
}

TEST(ArchiveFailure, LinkToAnArchiveIsFollowed) {
    TempArchive archive("uno\n");
    const std::string link = archive.path() + ".link";
    std::filesystem::create_symlink(archive.path(), link);
    ItemList list;
    EXPECT_EQ(list.load(link), 0);
    std::filesystem::remove(link);
    EXPECT_EQ(names_of(list), Names{"uno"});
}

TEST(ArchiveFailure, FileWithoutReadPermissionReturnsOne) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser";
    }
    TempArchive locked("uno\n");
    std::filesystem::permissions(locked.path(), std::filesystem::perms::none);
    ItemList list;
    list.push_front(make_stat_item(0, "keep"));
    EXPECT_EQ(list.load(locked.path()), 1);
    EXPECT_EQ(names_of(list), Names{"keep"});
}
