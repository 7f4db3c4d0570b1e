#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "items/description.h"
#include "query/item_view.h"

namespace {

using namespace torvane;

const std::string archive_path = std::string(TORVANE_EXAMPLES_DIR) + "/archive.dat";

class SampleArchive : public ::testing::Test {
protected:
    void SetUp() override {
        LoadResult loaded = Catalogue::load(archive_path);
        ASSERT_EQ(loaded.status, ReadStatus::read);
        catalogue_ = std::move(loaded.catalogue);
    }

    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const Item& item : catalogue_.items()) {
            found.emplace(item.name());
        }
        return found;
    }

    Catalogue catalogue_;
};

TEST_F(SampleArchive, LoadsEveryAcceptedLine) {
    // 150 data lines, of which four are meant to be rejected.
    EXPECT_EQ(catalogue_.size(), 146U);
}

TEST_F(SampleArchive, HoldsEveryCategoryAndNoUndefinedRecord) {
    std::array<int, 21> per_category{};
    for (const Item& item : catalogue_.items()) {
        ASSERT_GE(item.category, 0);
        ASSERT_LE(item.category, 20);
        ++per_category[static_cast<std::size_t>(item.category)];
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
    for (const Item& item : catalogue_.items()) {
        const std::string text = description(item);
        EXPECT_EQ(text.rfind(std::string(item.name()) + " - ", 0), 0U) << text;
    }
}

TEST_F(SampleArchive, SortsWithinEveryMode) {
    ItemView view = listing_order(catalogue_);
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        sort(view, mode, catalogue_);
        EXPECT_EQ(view.size(), 146U);
        for (std::size_t i = 1; i < view.size(); ++i) {
            EXPECT_FALSE(sorts_before(*view[i], *view[i - 1], mode))
                << mode << ": " << view[i]->name() << " after " << view[i - 1]->name();
        }
    }
}

} // namespace
