// A catalogue owns its records and the bytes their texts point into: moved or replaced whole,
// its views stay good (AddressSanitizer watches), and a large archive read in two halves gives
// what reading it whole gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/load_findings.h"
#include "catalogue_test_support.h"
#include "items/description.h"

using namespace catalogue_test;

namespace {

constexpr const char* sample = "Senza categoria\n"
                               "[armi]\n"
                               "Spada Corta=\"+1 For\",10,0,2,\"Fabbro di Rocca\",3,7\n"
                               "Scartata=\"\",1,,3,\"\",4,5\n"
                               "Ascia=\"\",4,0,0,\"Porto\",2,9\n"
                               "[anelli]\n"
                               "Anello di prova=\"Fuoco\",2,0,1,0,3,30,\"Grotta\",1.5\n";

class NoSink : public LoadSink {
public:
    void found(const Finding& /*finding*/) override {}
};

std::string descriptions(std::span<const Item* const> view) {
    std::string all;
    for (const Item* item : view) {
        all += description(*item) + '\n';
    }
    return all;
}

} // namespace

TEST(Catalogue, MovedOrReplacedItKeepsItsRecordsWhereTheyAre) {
    const TempArchive archive(sample);
    LoadResult loaded = Catalogue::load(archive.path());
    ASSERT_EQ(loaded.status, ReadStatus::read);
    ASSERT_EQ(loaded.catalogue.size(), 4U);
    const std::span<const Item> items = loaded.catalogue.items();
    std::vector<const Item*> view(items.size());
    std::transform(items.rbegin(), items.rend(), view.begin(),
                   [](const Item& item) { return &item; });
    const std::string before = descriptions(view);

    Catalogue shown = std::move(loaded.catalogue);
    EXPECT_EQ(descriptions(view), before);
    // A new reading takes the place of the shown one; the old one lives on where it is put.
    Catalogue old =
        std::exchange(shown, Catalogue::from_text("[armi]\nNuova=\"\",1,1,1,\"\",1,1\n"));
    EXPECT_EQ(descriptions(view), before);
    EXPECT_EQ(shown.size(), 1U);
    EXPECT_EQ(old.size(), 4U);
}

TEST(LargeArchive, TwoHalvesReadAsOneWhole) {
    // Past the size at which the halves are parsed side by side; sections of every length,
    // some longer than a half, so that a header stands on either side of the middle; and an
    // archive whose first header comes after the middle, so that the second half starts in
    // the lines of no category.
    const auto archive = [](bool lines_before_any_header) {
        std::string text;
        const char* const headers[] = {"[armi]", "[anelli]", "[nessuna]", "[abilita]"};
        for (int section = 0; text.size() < std::size_t{6} << 20; ++section) {
            if (section > 0 || !lines_before_any_header) {
                text += std::string(headers[section % 4]) + "\r\n";
            }
            const int lines = lines_before_any_header && section == 0 ? 100000
                              : section % 5 == 0                      ? 90000
                                                                      : 7 * section % 300;
            for (int i = 0; i < lines; ++i) {
                text += "N" + std::to_string((section * 7919L + i * 104729L) % 100003) +
                        "=\"b\",1,2,3,4,5,6,\"l\",7,8,9,10\n";
            }
        }
        return text;
    };
    for (const bool lines_before_any_header : {false, true}) {
        const std::string text = archive(lines_before_any_header);
        const Catalogue halves = Catalogue::from_text(text);
        // A sink keeps the load in one piece.
        NoSink sink;
        const Catalogue whole = Catalogue::from_text(text, &sink);
        ASSERT_EQ(halves.size(), whole.size());
        for (std::size_t i = 0; i < halves.size(); ++i) {
            ASSERT_EQ(halves.items()[i].category, whole.items()[i].category) << i;
            ASSERT_EQ(halves.items()[i].name(), whole.items()[i].name()) << i;
            ASSERT_EQ(halves.name_ranks()[i], whole.name_ranks()[i]) << i;
        }
    }
}
