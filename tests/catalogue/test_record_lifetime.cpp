// Records of a load live in its arena: whatever order the catalogue, its views, a reload and
// single references go in, no record outlives its memory (AddressSanitizer watches), and a
// large archive read in two halves gives what reading it whole gives.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/load_findings.h"
#include "catalogue_test_support.h"

using namespace catalogue_test;

namespace {

constexpr const char* sample = "Senza categoria\n"
                               "[armi]\n"
                               "Spada Corta=\"+1 For\",10,0,2,\"Fabbro di Rocca\",3,7\n"
                               "Scartata=\"\",1,,3,\"\",4,5\n"
                               "Ascia=\"\",4,0,0,\"Porto\",2,9\n"
                               "[anelli]\n"
                               "Anello di prova=\"Fuoco\",2,0,1,0,3,30,\"Grotta\",1.5\n";

// Reads everything a window would read of every record of the list.
std::size_t read_all(ItemList& list) {
    std::size_t bytes = 0;
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        list.sort(mode);
    }
    for (Item* item : items_of(list)) {
        bytes += item->name().size() + item->location().size() + item->description().size();
    }
    return bytes;
}

class NoSink : public LoadSink {
public:
    void found(std::size_t /*line_number*/, LoadFinding /*finding*/) override {}
};

} // namespace

TEST(RecordLifetime, ViewsAndSingleRecordsOutliveTheirCatalogueInAnyOrder) {
    const TempArchive archive(sample);
    enum class First { catalogue, view, reload };
    for (const First first : {First::catalogue, First::view, First::reload}) {
        auto catalogue = std::make_unique<ItemList>();
        ASSERT_EQ(catalogue->load(archive.path()), 0);
        ASSERT_EQ(catalogue->count(), 4);
        const std::size_t whole = read_all(*catalogue);
        std::unique_ptr<ItemList> view = catalogue->filter_min(0, 0, 0, 0, 0, 0, 0);
        catalogue->rewind();
        Item* single = catalogue->next()->retain();
        if (first == First::catalogue) {
            catalogue.reset();
        } else if (first == First::reload) {
            ASSERT_EQ(catalogue->load(archive.path()), 0);
        } else {
            view.reset();
        }
        if (view) {
            EXPECT_EQ(read_all(*view), whole);
            view.reset();
        }
        EXPECT_FALSE(single->description().empty());
        EXPECT_EQ(single->ref_count(), catalogue && first != First::reload ? 2 : 1);
        single->release();
    }
}

TEST(RecordLifetime, RenamedAndOwnRecordsSortByTheirNamesBesideLoadedOnes) {
    const TempArchive archive(sample);
    ItemList list;
    ASSERT_EQ(list.load(archive.path()), 0);
    // A record renamed after a sort is no longer ranked with the others.
    list.sort(sort_by_efficacy);
    list.rewind();
    list.next();
    list.next()->read_name("Zzz"); // was "Ascia", a weapon
    list.sort(sort_by_name);
    EXPECT_EQ(names_of(list), (Names{"Senza categoria", "Spada Corta", "Zzz", "Anello di prova"}));
    list.push_front(make_parsed(1, R"(Ascia Nuova="",4,0,0,"Porto",2,9)"));
    list.sort(sort_by_name);
    EXPECT_EQ(names_of(list),
              (Names{"Senza categoria", "Ascia Nuova", "Spada Corta", "Zzz", "Anello di prova"}));
}

TEST(LargeArchive, TwoHalvesReadAsOneWhole) {
    // Past the size at which the halves are parsed side by side; sections of every length,
    // some longer than a half, so that a header stands on either side of the middle.
    std::string text;
    const char* const headers[] = {"[armi]", "[anelli]", "[nessuna]", "[abilita]"};
    for (int section = 0; text.size() < std::size_t{6} << 20; ++section) {
        text += std::string(headers[section % 4]) + "\r\n";
        const int lines = section % 5 == 0 ? 90000 : 7 * section % 300;
        for (int i = 0; i < lines; ++i) {
            text += "N" + std::to_string((section * 7919L + i * 104729L) % 100003) +
                    "=\"b\",1,2,3,4,5,6,\"l\",7,8,9,10\n";
        }
    }
    const TempArchive archive(text);
    ItemList halves;
    ASSERT_EQ(halves.load(archive.path()), 0);
    // A sink keeps the load in one piece.
    NoSink sink;
    ItemList whole;
    ASSERT_EQ(whole.load(archive.path(), &sink), 0);
    ASSERT_EQ(halves.count(), whole.count());
    const std::vector<Item*> a = items_of(halves);
    const std::vector<Item*> b = items_of(whole);
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i]->category(), b[i]->category()) << i;
        ASSERT_EQ(a[i]->name_view(), b[i]->name_view()) << i;
    }
    halves.sort(sort_by_name);
    whole.sort(sort_by_name);
    EXPECT_EQ(names_of(halves), names_of(whole));
}
