// The points of a page's chart: which values go on which axis, one point per item line with
// its row as index, none for header lines.
#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <vector>

#include "catalogue/catalogue.h"
#include "chart/page_chart.h"
#include "query/page_lines.h"

using torvane::ChartPoint;
using torvane::RequirementAxis;

namespace {

struct Expected {
    double x;
    double y;
    int category;
    std::uint32_t row;
};

struct PageCase {
    const char* what;
    int page;
    RequirementAxis axis;
    std::vector<Expected> points;
};

} // namespace

TEST(PageChart, PlacesEveryItemLineByItsRow) {
    // A damage range gives its average: strength 10 and wisdom 2, damage 3 to 7; strength 14,
    // damage 1 to 2. Armour gives its class: strength 5 and a fifteenth of attack 30. Level 2,
    // statistics 6, 4 and 8, teaching 70, training 6 (counted ten times); a level not stated.
    const auto catalogue = std::make_shared<const torvane::Catalogue>(
        torvane::Catalogue::from_text("Reliquia\n"
                                      "[armi]\n"
                                      "Spada=\"+1\",10,0,2,\"Rocca\",3,7\n"
                                      "Ascia=\"\",14,0,0,\"Bottega\",1,2\n"
                                      "[armature]\n"
                                      "Corazza=\"\",5,0,0,0,0,30,\"Forte\",4.5\n"
                                      "[abilit\xE0]\n"
                                      "Arrampicata=2,6,4,8,0,0,\"Guida\",\"Cacciatore\",70,6\n"
                                      "Nuoto=-1,1,0,0,0,0,\"Guida\",\"Cacciatore\",0,0\n"));
    // In the order of the file.
    auto places = std::make_shared<std::vector<std::uint32_t>>(catalogue->size());
    std::iota(places->begin(), places->end(), 0U);
    const auto pages =
        torvane::group_into_pages(torvane::CatalogueOrder(catalogue, *places, places));

    const std::vector<PageCase> cases = {
        // The undefined record stands first without a header; the weapons' header is row 1.
        {"weapons", 0, RequirementAxis::across, {{0, 0, 0, 0}, {12, 5, 1, 2}, {14, 1.5, 1, 3}}},
        {"armour", 1, RequirementAxis::across, {{7, 4.5, 3, 1}}},
        {"abilities", 4, RequirementAxis::up, {{2, 150, 19, 1}, {0, 1, 19, 2}}},
        {"no items", 5, RequirementAxis::up, {}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.what);
        const torvane::PageLines& lines = pages[static_cast<std::size_t>(c.page)];
        const std::vector<ChartPoint> points = torvane::page_chart_points(lines, c.axis);
        ASSERT_EQ(points.size(), c.points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].x, c.points[i].x) << "point " << i;
            EXPECT_EQ(points[i].y, c.points[i].y) << "point " << i;
            EXPECT_EQ(points[i].category, c.points[i].category) << "point " << i;
            EXPECT_EQ(points[i].index, c.points[i].row) << "point " << i;
            EXPECT_NE(lines.item(points[i].index), nullptr) << "point " << i;
        }
    }
}
