#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "catalogue/load_findings.h"
#include "catalogue_test_support.h"

using namespace catalogue_test;

namespace {

using Finding = std::pair<std::size_t, LoadFinding>;

class RecordingSink : public LoadSink {
public:
    void found(std::size_t line_number, LoadFinding finding) override {
        findings.emplace_back(line_number, finding);
    }
    std::vector<Finding> findings;
};

struct Line {
    std::string_view text;
    std::vector<LoadFinding> findings;
    std::string_view end = "\n";
};

using enum LoadFinding;

// One line per finding, and lines that give none; the line number is the place in the table.
const std::vector<Line> archive_lines = {
    {"Prima del titolo", {no_category}},
    {"=anche senza nome", {no_category}},
    {"[sconosciuta]", {unknown_header}},
    {"; commento", {}},
    {"[armi]", {}, "\r\n"},
    {"", {}},
    {R"(Vuota="",1,,3,"",4,5)", {empty_field}},
    {"Senza uguale", {no_equals}},
    {R"(="",1,2,3,"",4,5)", {no_name}},
    {R"(Lettere="",1,x,3,"",4,5y)", {not_a_number, not_a_number}, "\r\n"},
    {R"(Scartata="",x,,3,"",4,5)", {empty_field}},
    {R"(Enorme="",99999999999,2,3,"",4,5)", {number_clamped}},
    {R"(Entrambi="",1,2,3,"",4,-99999999999z)", {not_a_number, number_clamped}},
    {R"(Pulita="+1", 7 ,-2147483648,+3,"l",4,5)", {}},
    {"[armature]", {}},
    {R"(Classe="",1,2,3,4,5,6,"",1e39)", {number_clamped}},
    {R"(Esponente="",1,2,3,4,5,6,"",2e)", {not_a_number}},
    {R"(Decimale="",1,2,3,4,5,6,"",.5)", {}},
    {R"(Ultima="",1,2,3,4,5,6,"",6.5)", {}, ""},
};

} // namespace

TEST(LoadFindings, EachLineReportsWhatIsDroppedIgnoredOrReadDoubtfully) {
    std::string content;
    std::vector<Finding> expected;
    for (std::size_t i = 0; i < archive_lines.size(); ++i) {
        content += archive_lines[i].text;
        content += archive_lines[i].end;
        for (const LoadFinding finding : archive_lines[i].findings) {
            expected.emplace_back(i + 1, finding);
        }
    }
    const TempArchive archive(content);
    RecordingSink sink;
    ItemList with_sink;
    ASSERT_EQ(with_sink.load(archive.path(), &sink), 0);
    EXPECT_EQ(sink.findings, expected);

    // The sink only listens: the list is the one a load without it gives.
    ItemList without_sink;
    ASSERT_EQ(without_sink.load(archive.path()), 0);
    EXPECT_EQ(with_sink.count(), 10);
    EXPECT_EQ(names_of(with_sink), names_of(without_sink));
    const std::vector<Item*> kept = items_of(with_sink);
    const std::vector<Item*> plain = items_of(without_sink);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i]->description(), plain[i]->description()) << i;
    }
}
