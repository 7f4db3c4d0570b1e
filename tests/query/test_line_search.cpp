#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "items/description.h"
#include "query/catalogue_view.h"
#include "query/line_search.h"
#include "query/page_lines.h"

using namespace torvane;

namespace {

// The weapons' page of a small catalogue, by name: the header, then Ascia, Pugnale, Spada.
PageLines weapons_page() {
    const auto catalogue = std::make_shared<const Catalogue>(
        Catalogue::from_text("[armi]\n"
                             "Spada=\"+1 For\",10,0,2,\"Fabbro di Rocca\",3,7\n"
                             "Ascia=\"\",14,0,0,\"Bottega\",1,2\n"
                             "Pugnale=\"Veleno lieve\",4,2,0,\"Palude \xC0mbrata\",1,4\n"));
    CatalogueView view;
    view.set_catalogue(catalogue);
    return group_into_pages(view.show(ViewQuery{}))[0];
}

} // namespace

TEST(LineSearch, FindsInHeadersAndDescriptionsAsTheNameSearchCompares) {
    const PageLines page = weapons_page();
    ASSERT_EQ(page.size(), 4U);
    struct Case {
        std::string text; // lower case, Windows-1252, as the window passes it
        std::vector<std::size_t> rows;
    };
    const std::vector<Case> cases = {
        {"[oggetti di tipo arma]", {0}},
        {"luogo: bottega", {1}},
        {"veleno", {2}},
        {"for ", {1, 2, 3}},
        // An accented capital of the line matches its lower case.
        {"\xE0mbrata", {2}},
        {"a", {0, 1, 2, 3}},
        {"zanna", {}},
        // The empty text finds nothing to show.
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rows_containing(page, c.text), c.rows) << c.text;
    }
}

TEST(PageLines, RowsOfSeveralRunsGiveTheirRecordsHeadersAndKeys) {
    // The armour page holds shields and armour: two runs, each under its header.
    const auto catalogue = std::make_shared<const Catalogue>(
        Catalogue::from_text("[armature]\n"
                             "Cotta=\"\",5,0,0,0,0,30,\"Forte\",4.5\n"
                             "Brigantina=\"\",6,0,0,0,0,20,\"Forte\",3.5\n"
                             "[scudi]\n"
                             "Buckler=\"\",2,0,0,0,0,10,\"Porto\",1.5\n"));
    CatalogueView view;
    view.set_catalogue(catalogue);
    const PageLines page = group_into_pages(view.show(ViewQuery{}))[1];
    struct Row {
        bool header;
        int category;
        std::string text; // a header's text, an item's name
    };
    const std::vector<Row> rows = {{true, 0, header_line(2)},
                                   {false, 2, "Buckler"},
                                   {true, 0, header_line(3)},
                                   {false, 3, "Brigantina"},
                                   {false, 3, "Cotta"}};
    ASSERT_EQ(page.size(), rows.size());
    std::vector<std::string> names;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const Row& expected = rows[row];
        const PageLines::Key key{expected.header, expected.category, expected.text};
        EXPECT_EQ(page.item(row) == nullptr, expected.header) << row;
        EXPECT_EQ(page.key(row), key) << row;
        EXPECT_EQ(page.find(key), row) << row;
        if (expected.header) {
            EXPECT_EQ(page.text(row), expected.text) << row;
        } else {
            names.push_back(expected.text);
        }
    }
    EXPECT_EQ(page.find({false, 3, "Buckler"}), std::nullopt);
    std::vector<std::string> record_names;
    for (const Item* record : page.records()) {
        record_names.emplace_back(record->name());
    }
    EXPECT_EQ(record_names, names);
}
