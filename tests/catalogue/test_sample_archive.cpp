#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "catalogue/item_list.h"

namespace {

const std::string archive_path = std::string(TORVANE_EXAMPLES_DIR) + "/archive.dat";

class SampleArchive : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(catalogue_.load(archive_path), 0); }

    std::set<std::string> names() {
        std::set<std::string> found;
        catalogue_.rewind();
        while (Item* item = catalogue_.next()) {
            found.insert(item->name());
        }
        return found;
    }

    ItemList catalogue_;
};

TEST_F(SampleArchive, LoadsEveryAcceptedLine) {
    // 150 data lines, of which four are meant to be rejected.
    EXPECT_EQ(catalogue_.count(), 146);
}

TEST_F(SampleArchive, HoldsEveryCategoryAndNoUndefinedRecord) {
    std::array<int, 21> per_category{};
    catalogue_.rewind();
    while (Item* item = catalogue_.next()) {
        ASSERT_GE(item->category(), 0);
        ASSERT_LE(item->category(), 20);
        ++per_category[static_cast<std::size_t>(item->category())];
    }
    EXPECT_EQ(per_category[0], 0);
    for (int code = 1; code <= 20; ++code) {
        EXPECT_GT(per_category[static_cast<std::size_t>(code)], 0) << category_name(code);
    }
}

TEST_F(SampleArchive, DropsTheBrokenLines) {
    const std::set<std::string> found = names();
    EXPECT_EQ(found.count("Lama Spezzata"), 0U);
    EXPECT_EQ(found.count("Anello Senza Pietra"), 0U);
    EXPECT_EQ(found.count("Pergamena Bruciata"), 0U);
    EXPECT_EQ(found.count(""), 0U);
    // The line just before a rejected one still loads.
    EXPECT_EQ(found.count("Fede di Ferro"), 1U);
}

TEST_F(SampleArchive, IsWindows1252) {
    // "à" is the single byte 0xE0: a UTF-8 file would give two bytes and another name.
    const std::set<std::string> found = names();
    EXPECT_EQ(found.count("Velocit\xE0 del Vento"), 1U);
    EXPECT_EQ(found.count("Furtivit\xE0"), 1U);
}

TEST_F(SampleArchive, EveryRecordDescribesItself) {
    catalogue_.rewind();
    while (Item* item = catalogue_.next()) {
        const std::string text = item->description();
        EXPECT_EQ(text.rfind(item->name() + " - ", 0), 0U) << text;
    }
}

TEST_F(SampleArchive, SortsWithinEveryMode) {
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        catalogue_.sort(mode);
        EXPECT_EQ(catalogue_.count(), 146);
        catalogue_.rewind();
        Item* previous = catalogue_.next();
        while (Item* item = catalogue_.next()) {
            EXPECT_FALSE(item->sorts_before(*previous))
                << mode << ": " << item->name() << " after " << previous->name();
            previous = item;
        }
    }
    set_current_sort_mode(sort_by_name);
}

} // namespace
