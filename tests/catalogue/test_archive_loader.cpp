#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include "catalogue/archive_format.h"
#include "catalogue_test_support.h"

using namespace catalogue_test;

namespace {

// A data line with more non-empty fields than any category reads, so every class accepts it.
std::string any_line(std::string_view name) {
    return std::string(name) + "=\"b\",1,2,3,4,5,6,\"l\",7,8,9,10\n";
}

// The catalogue of an archive file, which must be read.
Catalogue loaded(const TempArchive& archive) {
    LoadResult result = Catalogue::load(archive.path());
    EXPECT_EQ(result.status, ReadStatus::read) << archive.path();
    return std::move(result.catalogue);
}

// The records as the window lists a catalogue it has not sorted, the last line first.
std::vector<const Item*> listing(const Catalogue& catalogue) {
    const std::span<const Item> items = catalogue.items();
    std::vector<const Item*> records(items.size());
    std::transform(items.rbegin(), items.rend(), records.begin(),
                   [](const Item& item) { return &item; });
    return records;
}

// The categories and names of the records in that order.
std::vector<int> categories_of(const Catalogue& catalogue) {
    std::vector<int> codes;
    for (const Item* item : listing(catalogue)) {
        codes.push_back(item->category);
    }
    return codes;
}

Names names_in_listing(const Catalogue& catalogue) {
    return names_of(listing(catalogue));
}

const DamageFields& damage(const Item& item) {
    return std::get<DamageFields>(item.fields);
}

} // namespace

TEST(ArchiveLines, CommentsAndBlankLinesOnlyGiveAnEmptyList) {
    TempArchive archive("; a comment\n\n   \t\n  ; indented comment\r\n\r\n;[armi]\n");
    EXPECT_TRUE(loaded(archive).empty());
}

TEST(ArchiveLines, EmptyFileReadsAsEmpty) {
    TempArchive archive("");
    EXPECT_TRUE(loaded(archive).empty());
}

TEST(ArchiveLines, RecordsComeInReverseFileOrderWithCrLfAndNoFinalLineEnd) {
    TempArchive archive("[armi]\r\n"
                        "Prima=\"+1\",10,0,2,\"Rocca\",3,7\r\n"
                        "  Seconda=\"\",1,1,1,\"\",2,4   \r\n"
                        "Terza=\"x\",0,0,0,\"Porto\",1,9");
    const Catalogue catalogue = loaded(archive);
    EXPECT_EQ(names_in_listing(catalogue), (Names{"Terza", "Seconda", "Prima"}));

    // The line is trimmed before parsing: no carriage return or blank reaches a field.
    const std::span<const Item> items = catalogue.items();
    EXPECT_EQ(damage(items[2]).max_damage, 9);
    EXPECT_EQ(damage(items[1]).max_damage, 4);
    EXPECT_EQ(items[0].location(), "Rocca");
    EXPECT_EQ(damage(items[0]).max_damage, 7);
}

TEST(ArchiveLines, RejectedLinesAreDroppedAndNotCounted) {
    TempArchive archive("[armi]\n"
                        "Buona=\"\",1,2,3,\"\",4,5\n"
                        "Vuota=\"\",1,,3,\"\",4,5\n"
                        "Niente=\n"
                        "=\"\",1,2,3,\"\",4,5\n"
                        "Corta=\"\",1\n");
    const Catalogue catalogue = loaded(archive);
    EXPECT_EQ(names_in_listing(catalogue), (Names{"Corta", "Buona"}));
}

TEST(ArchiveLines, LinesBeforeTheFirstHeaderArePlainRecordsOfCategoryZero) {
    TempArchive archive("solo un nome\n"
                        "=senza nome\n"
                        "Nome=,,\n"
                        "[sconosciuta]\n"
                        "Dopo=x\n"
                        "[armi]\n"
                        "Spada=\"\",1,2,3,\"\",4,5\n");
    const Catalogue catalogue = loaded(archive);
    EXPECT_EQ(categories_of(catalogue), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(names_in_listing(catalogue), (Names{"Spada", "Dopo", "Nome", "", "solo un nome"}));
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
        EXPECT_EQ(category_of_header(header), std::optional<ItemCategory>(code)) << header;
        // A category-0 record first, so that a header that fails to switch shows up.
        TempArchive archive(any_line("Prima") + header + "\n" + any_line("Dopo"));
        EXPECT_EQ(categories_of(loaded(archive)), (std::vector<int>{code, 0})) << header;
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
    EXPECT_EQ(categories_of(loaded(archive)), (std::vector<int>{19, 19, 3, 19, 4, 2, 1}));
}

TEST(ArchiveHeaders, HeadersWithAnythingElseOnTheLineAreIgnored) {
    const std::vector<std::string> not_headers = {
        "[armi] extra", "[ armi]", "[armi ]", "[vestenere ]", "[veste  nera]", "[armi];",
        "[armi",        "[]",      "[",       "[abilit\xE1]", "[scudo]]",      "[ARMI]x",
    };
    for (const std::string& header : not_headers) {
        EXPECT_EQ(category_of_header(header), std::nullopt) << header;
        TempArchive archive("[elmi]\n" + header + "\n" + any_line("X"));
        EXPECT_EQ(categories_of(loaded(archive)), std::vector<int>{9}) << header;
    }
    // The category table's unused spellings are empty: no header matches them.
    EXPECT_EQ(category_of_header(""), std::nullopt);
}

TEST(ArchiveTrim, RemovesTheCLocaleWhiteSpaceAtBothEnds) {
    EXPECT_EQ(trim_blanks(" \t\v\f\r\n x y \r\n\t"), "x y");
    EXPECT_EQ(trim_blanks(" \t\r\n"), "");
    EXPECT_EQ(trim_blanks(""), "");
    EXPECT_EQ(trim_blanks("\xA0x\xA0"), "\xA0x\xA0"); // a non-breaking space is text
}

TEST(ArchiveFailure, PathsThatCannotBeReadSayWhyAndGiveNothing) {
    TempArchive good("uno\ndue\n");
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::vector<std::pair<std::string, ReadStatus>> bad_paths = {
        {(folder / "torvane_no_such_archive.dat").string(), ReadStatus::missing},
        {folder.string(), ReadStatus::not_a_file},
        {good.path() + "/below_a_file.dat", ReadStatus::missing},
        {"", ReadStatus::missing},
        {std::string("archive\0.dat", 12), ReadStatus::missing},
    };
    for (const auto& [path, status] : bad_paths) {
        const LoadResult result = Catalogue::load(path);
        EXPECT_EQ(result.status, status) << path;
        EXPECT_TRUE(result.catalogue.empty()) << path;
        EXPECT_FALSE(read_status_text(status).empty());
    }
}

TEST(ArchiveFailure, EveryReasonHasATextOfItsOwn) {
    const std::vector<ReadStatus> failures = {ReadStatus::missing, ReadStatus::not_a_file,
                                              ReadStatus::no_permission, ReadStatus::too_large,
                                              ReadStatus::unreadable};
    EXPECT_TRUE(read_status_text(ReadStatus::read).empty());
    std::vector<std::string_view> texts;
    for (const ReadStatus status : failures) {
        texts.push_back(read_status_text(status));
        EXPECT_FALSE(texts.back().empty());
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end()) << "one text per reason";
}

TEST(ArchiveFile, ReadsEveryByteInPlaceAndKeepsThemWhenTheFileIsCut) {
    // Each byte must land where it belongs, whether the system copies the file or it is read
    // (under AddressSanitizer). The bytes read are the catalogue's own: an editor cutting the
    // file short while the window shows it takes nothing away.
    // Sizes around the one from which large memory is mapped rather than taken from the heap.
    constexpr std::size_t mapped_from = std::size_t{4} << 20;
    for (const std::size_t size : {mapped_from - 1, mapped_from, mapped_from + 7}) {
        std::string content(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            content[i] = static_cast<char>((i * 7919) >> 3);
        }
        const TempArchive file(content);
        const ArchiveRead read = ArchiveFile::read(file.path());
        ASSERT_EQ(read.status, ReadStatus::read) << size;
        EXPECT_TRUE(read.file.text() == content) << size;
        std::filesystem::resize_file(file.path(), 0);
        EXPECT_TRUE(read.file.text() == content) << size;
    }
}

TEST(ArchiveFailure, FileOfFourGibibytesIsRefusedUnread) {
    // Texts are kept by 32-bit places in the file. The file is sparse: it takes no room on
    // disk, and a loader that read it would take minutes, not refuse it at once.
    TempArchive huge("");
    std::filesystem::resize_file(huge.path(), std::uintmax_t{1} << 32);
    const LoadResult result = Catalogue::load(huge.path());
    EXPECT_EQ(result.status, ReadStatus::too_large);
    EXPECT_TRUE(result.catalogue.empty());
}

TEST(ArchiveFailure, PipesAndDevicesAreNotRead) {
    // A pipe blocks whoever opens it until the other end is opened too. A writer waits for a
    // reader here, so that a loader that did open the pipe would read a line rather than
    // hang; afterwards the test opens the pipe itself to release the writer.
    const std::string fifo = TempArchive("").path() + ".fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&fifo] {
        const int out = ::open(fifo.c_str(), O_WRONLY);
        if (out >= 0) {
            [[maybe_unused]] const auto written = ::write(out, "x\n", 2);
            ::close(out);
        }
    });
    EXPECT_EQ(Catalogue::load(fifo).status, ReadStatus::not_a_file);
    const int in = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(in);
    std::filesystem::remove(fifo);

    EXPECT_EQ(Catalogue::load("/dev/null").status, ReadStatus::not_a_file);
}

TEST(ArchiveFailure, LinkToAnArchiveIsFollowed) {
    TempArchive archive("uno\n");
    const std::string link = archive.path() + ".link";
    std::filesystem::create_symlink(archive.path(), link);
    const LoadResult result = Catalogue::load(link);
    std::filesystem::remove(link);
    EXPECT_EQ(result.status, ReadStatus::read);
    EXPECT_EQ(names_in_listing(result.catalogue), Names{"uno"});
}

TEST(ArchiveFailure, FileWithoutReadPermissionSaysSo) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser";
    }
    TempArchive locked("uno\n");
    std::filesystem::permissions(locked.path(), std::filesystem::perms::none);
    EXPECT_EQ(Catalogue::load(locked.path()).status, ReadStatus::no_permission);
}
