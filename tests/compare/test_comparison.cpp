#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "compare/comparison.h"
#include "compare/comparison_report.h"

using namespace torvane;

namespace {

// What a comparison found, in its order: a mark (+ added, - removed, ~ changed), the name,
// and for a change the titles of the fields that differ.
std::vector<std::string> found(const std::string& before, const std::string& after) {
    const Catalogue old_catalogue = Catalogue::from_text(before);
    const Catalogue new_catalogue = Catalogue::from_text(after);
    const CatalogueComparison comparison = compare_catalogues(old_catalogue, new_catalogue);
    std::vector<std::string> lines;
    for (const ItemDifference& difference : comparison.differences) {
        const Item& item = difference.after != nullptr ? *difference.after : *difference.before;
        std::string line = difference.change == ItemChange::added     ? "+"
                           : difference.change == ItemChange::removed ? "-"
                                                                      : "~";
        line += std::string(category_name(item.category)) + ":" + std::string(item.name());
        for (std::size_t code = 0; code < record_field_count; ++code) {
            if (difference.fields.has(static_cast<RecordField>(code))) {
                line += " " + std::string(field_title(static_cast<RecordField>(code)));
            }
        }
        lines.push_back(line);
    }
    return lines;
}

const std::string spada = "Spada=\"+1 For\",10,0,2,\"Rocca\",3,7\n";
const std::string ascia = "Ascia=\"\",14,0,0,\"Bottega\",1,2\n";

} // namespace

TEST(Comparison, PairsItemsByCategoryAndName) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
        std::vector<std::string> differences;
    };
    const std::vector<Case> cases = {
        {"the same items, other lines and numbers written otherwise",
         "[armi]\n" + spada + ascia,
         "; commento\n[ARMI]\nAscia=\"\",014,0,0,\"Bottega\",1,2,99\n\n" + spada,
         {}},
        {"an item added, one removed",
         "[armi]\n" + spada,
         "[armi]\n" + ascia,
         {"+Arma:Ascia", "-Arma:Spada"}},
        {"fields changed",
         "[armi]\n" + spada,
         "[armi]\nSpada=\"+2 For\",10,0,2,\"Porto\",3,8\n",
         {"~Arma:Spada Bonus Danno massimo Luogo"}},
        {"renamed: removed and added",
         "[armi]\n" + spada,
         "[armi]\nSpada Lunga=\"+1 For\",10,0,2,\"Rocca\",3,7\n",
         {"-Arma:Spada", "+Arma:Spada Lunga"}},
        {"names shared within a category pair in line order",
         "[armi]\nPugnale=\"\",1,0,0,\"\",1,2\nPugnale=\"\",2,0,0,\"\",1,2\n",
         "[armi]\nPugnale=\"\",1,0,0,\"\",1,2\nPugnale=\"\",3,0,0,\"\",1,2\n"
         "Pugnale=\"\",4,0,0,\"\",1,2\n",
         {"~Arma:Pugnale Forza", "+Arma:Pugnale"}},
        {"another category is another item",
         "[armi]\n" + spada,
         "[archi]\nSpada=\"+1 For\",10,0,2,\"Rocca\",3,7\n",
         {"-Arma:Spada", "+Arco:Spada"}},
        {"categories in the lists' order: jewels before bows",
         "",
         "[archi]\nArco=\"\",1,1,1,1,\"\",1,2\n[anelli]\nAnello=\"\",1,1,1,1,1,1,\"\",1.5\n",
         {"+Anello:Anello", "+Arco:Arco"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(found(c.before, c.after), c.differences) << c.what;
    }
}

TEST(Comparison, MarksEachRecordOfTheNewReading) {
    const Catalogue before = Catalogue::from_text("[armi]\n" + spada + ascia);
    const Catalogue after = Catalogue::from_text("[armi]\nMazza=\"\",1,0,0,\"\",1,2\n" + spada +
                                                 "Ascia=\"\",15,0,0,\"Bottega\",1,2\n");
    const std::vector<ItemChange> changes =
        changes_by_record(compare_catalogues(before, after), after);
    EXPECT_EQ(changes, (std::vector{ItemChange::added, ItemChange::same, ItemChange::changed}));
}

TEST(ComparisonReport, SummaryTextAndCsv) {
    const Catalogue before =
        Catalogue::from_text("[armi]\n" + spada + ascia + "Mazza=\"\",1,0,0,\"\",1,2\n");
    const Catalogue after = Catalogue::from_text(
        "[armi]\nSpada=\"+1 For\",-1,0,2,\"Fucina, nord\",3,7\nMazza=\"\",1,0,0,\"\",1,2\n"
        "Arco=\"\",1,0,0,\"\",1,2\nArpione=\"\",1,0,0,\"\",1,2\n");
    const CatalogueComparison comparison = compare_catalogues(before, after);
    EXPECT_EQ(comparison_summary(comparison), "2 nuovi, 1 cambiato, 1 tolto");
    EXPECT_EQ(comparison_summary(compare_catalogues(before, before)), "nessuna differenza");

    std::ostringstream text;
    write_comparison_text(comparison, text);
    EXPECT_EQ(text.str(), "Arma:\n"
                          "  + Arco\n"
                          "  + Arpione\n"
                          "  - Ascia\n"
                          "  ~ Spada: Forza 10 \u2192 ?, Luogo \"Rocca\" \u2192 \"Fucina, nord\"\n"
                          "2 nuovi, 1 cambiato, 1 tolto\n");

    std::string csv;
    write_comparison_csv(comparison, [&csv](std::string_view piece) { csv += piece; });
    EXPECT_EQ(csv, "Categoria,Nome,Cambiamento,Campo,Prima,Dopo\r\n"
                   "Arma,Arco,nuovo,,,\r\n"
                   "Arma,Arpione,nuovo,,,\r\n"
                   "Arma,Ascia,tolto,,,\r\n"
                   "Arma,Spada,cambiato,Forza,10,\r\n"
                   "Arma,Spada,cambiato,Luogo,Rocca,\"Fucina, nord\"\r\n");
}
