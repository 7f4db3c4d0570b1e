// The points of a page's chart: which values go on which axis, one point per item line with
// its row as index, none for header lines.
#include <gtest/gtest.h>

#include <vector>

#include "chart/page_chart.h"
#include "query/query_test_support.h"

using query_test::Records;
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
    Records records;
    records.add("Reliquia", {.level = 3});
    // A damage range gives its average: strength 10 and wisdom 2, damage 3 to 7; strength 14,
    // damage 1 to 2. Armour gives its class: strength 5 and a fifteenth of attack 30.
    records.add_parsed(1, R"(Spada="+1",10,0,2,"Rocca",3,7)");
    records.add_parsed(1, R"(Ascia="",14,0,0,"Bottega",1,2)");
    records.add_parsed(3, R"(Corazza="",5,0,0,0,0,30,"Forte",4.5)");
    // Level 2, statistics 6, 4 and 8, teaching 70, training 6 (counted ten times); a level
    // not stated.
    records.add_parsed(19, R"(Arrampicata=2,6,4,8,0,0,"Guida","Cacciatore",70,6)");
    records.add_parsed(19, R"(Nuoto=-1,1,0,0,0,0,"Guida","Cacciatore",0,0)");
    const torvane::ItemView view = records.view();
    // The records live here, not in a catalogue.
    const auto pages = torvane::group_into_pages(view, nullptr);

    const std::vector<PageCase> cases = {
        // The undefined record stands first without a header; the weapons' header is row 1.
        {"weapons", 0, RequirementAxis::across, {{3, 0, 0, 0}, {12, 5, 1, 2}, {14, 1.5, 1, 3}}},
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
            EXPECT_NE(lines.items[points[i].index], nullptr) << "point " << i;
        }
    }
}
