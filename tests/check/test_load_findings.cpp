#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_test_support.h"
#include "catalogue/load_findings.h"
#include "check/archive_check.h"
#include "items/description.h"

using namespace catalogue_test;

namespace {

class RecordingSink : public LoadSink {
public:
    void found(const Finding& finding) override { findings.push_back(finding); }
    std::vector<Finding> findings;
};

// A finding of a line, without its line number, which is the line's place in the table.
struct Expected {
    LoadFinding kind;
    std::uint16_t fields = 0;
};

struct Line {
    std::string_view text;
    int category;
    std::vector<Expected> findings;
    std::string_view end = "\n";
};

using enum LoadFinding;

constexpr std::uint16_t field(int place) {
    return static_cast<std::uint16_t>(1U << place);
}

// Lines that give findings and lines that give none. Weapon fields: bonus, strength,
// intelligence, wisdom, location, lowest and highest damage; armour fields: bonus, strength,
// resistance, agility, intelligence, wisdom, attack, location, armour class.
const std::vector<Line> archive_lines = {
    {"Prima del titolo", 0, {{no_category}}},
    {"=anche senza nome", 0, {{no_category}}},
    {"[sconosciuta]", 0, {{unknown_header}}},
    {"; commento", 0, {}},
    {"[armi]", 0, {}, "\r\n"},
    {"", 0, {}},
    {R"(Vuota="",1,,3,"",4,5)", 1, {{empty_field, field(2)}}},
    {"Senza uguale", 1, {{no_equals}}},
    {R"(="",1,2,3,"",4,5)", 1, {{no_name}}},
    // One finding per line and reason, naming every field it is about.
    {R"(Lettere="",1,x,3,"",4,5y)", 1, {{not_a_number, field(2) | field(6)}}, "\r\n"},
    // A rejected line tells only its rejection, at its first empty field.
    {R"(Scartata="",x,,3,,4,5)", 1, {{empty_field, field(2)}}},
    {R"(Enorme="",99999999999,2,3,"",4,5)", 1, {{number_clamped, field(1)}}},
    {R"(Entrambi="",1,2,3,"",4,-99999999999z)",
     1,
     {{not_a_number, field(6)}, {number_clamped, field(6)}}},
    {R"(Pulita="+1", 7 ,-2147483648,+3,"l",4,5)", 1, {}},
    // The fields a short line lacks read its last field again: they are missing, not numbers
    // that are no numbers.
    {R"(Breve="")", 1, {{missing_fields, 0x7E}}},
    {"[armature]", 1, {}},
    {R"(Classe="",1,2,3,4,5,6,"",1e39)", 3, {{number_clamped, field(8)}}},
    {R"(Esponente="",1,2,3,4,5,6,"",2e)", 3, {{not_a_number, field(8)}}},
    {R"(Decimale="",1,2,3,4,5,6,"",.5)", 3, {}},
    {R"(Ultima="",1,2,3,4,5,6,"",6.5)", 3, {}, ""},
};

} // namespace

TEST(LoadFindings, EachLineReportsWhatIsDroppedIgnoredOrReadDoubtfully) {
    std::string content;
    std::vector<Finding> expected;
    for (std::size_t i = 0; i < archive_lines.size(); ++i) {
        content += archive_lines[i].text;
        content += archive_lines[i].end;
        for (const Expected& finding : archive_lines[i].findings) {
            const int category = finding.kind == unknown_header ? 0 : archive_lines[i].category;
            expected.push_back({i + 1, finding.kind, category, finding.fields});
        }
    }
    RecordingSink sink;
    const Catalogue heard = Catalogue::from_text(content, &sink);
    EXPECT_EQ(sink.findings, expected);

    // The sink only listens: the catalogue is the one a load without it gives.
    const Catalogue plain = Catalogue::from_text(content);
    ASSERT_EQ(heard.size(), 11U);
    ASSERT_EQ(plain.size(), heard.size());
    for (std::size_t i = 0; i < heard.size(); ++i) {
        EXPECT_EQ(description(heard.items()[i]), description(plain.items()[i])) << i;
    }
}

TEST(LoadFindings, TheReportNamesTheFieldsOfAFinding) {
    const ArchiveCheck check =
        check_archive(TempArchive("[armi]\nX=\"\"\nY=\"\",1,,3\nZ=\"\",a,b,3,\"\",4,5\n").path());
    ASSERT_EQ(check.findings.size(), 3U);
    EXPECT_EQ(finding_text(check.findings[0]),
              "la riga finisce presto: i campi mancanti ripetono l'ultimo presente (forza, "
              "intelligenza, saggezza, luogo, danno minimo, danno massimo)");
    EXPECT_EQ(finding_text(check.findings[1]), "riga scartata: ha un campo vuoto (intelligenza)");
    EXPECT_EQ(finding_text(check.findings[2]),
              "campo numerico non valido: vale il numero con cui comincia, o 0 (forza, "
              "intelligenza)");
    EXPECT_EQ(check.rejected(), 1U);
    EXPECT_EQ(check.items(), 2U);
}
