#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
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
