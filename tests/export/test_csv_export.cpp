#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string>
#include <vector>

#include "catalogue/catalogue_test_support.h"
#include "export/csv_export.h"
#include "items/category_table.h"
#include "items/parse_line.h"

using namespace catalogue_test;

namespace {

std::string csv_of(std::span<const Item* const> records) {
    std::string text;
    write_csv(records, [&text](std::string_view piece) { text += piece; });
    return text;
}

// The records of the archive as the window lists them before any sort, the last line first.
std::string csv_of(std::string_view archive) {
    const Catalogue catalogue = Catalogue::from_text(archive);
    const std::span<const Item> items = catalogue.items();
    std::vector<const Item*> listed(items.size());
    std::transform(items.rbegin(), items.rend(), listed.begin(),
                   [](const Item& item) { return &item; });
    return csv_of(listed);
}

// The lines of a CSV text, without their CR LF.
std::vector<std::string> rows_of(const std::string& text) {
    std::vector<std::string> rows;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        rows.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return rows;
}

// The cells of a CSV row, their double quotes undone.
std::vector<std::string> cells_of(std::string_view row) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] == '"' && quoted && i + 1 < row.size() && row[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (row[i] == '"') {
            quoted = !quoted;
        } else if (row[i] == ',' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += row[i];
        }
    }
    return cells;
}

} // namespace

TEST(CsvExport, HeaderThenOneRowPerRecordWithTheFieldsOfItsCategory) {
    const std::vector<std::string> rows =
        rows_of(csv_of("Senza\n"
                       "[armi]\nSpada Corta=\"+1 For\",10,0,2,\"Fabbro di Rocca\",3,7\n"
                       "[anelli]\nAnello=\"\",2,0,1,0,3,30,\"Grotta\",1.5\n"
                       "[abilita]\nParata=3,10,0,8,0,0,\"Capitano\",\"\",100,5\n"
                       "[incantesimi]\nDardo=12,5,14,-1,\"Magia\",\"\",\"Maestro\",3,250\n"));
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(rows[0],
              "Categoria,Nome,Livello,Forza,Resistenza,Agilità,Saggezza,Intelligenza,Attacco,"
              "Bonus,Danno minimo,Danno massimo,Classe d'armatura,Mana,Prerequisito,Insegnante,"
              "Addestratore,Costo dell'insegnante,Costo dell'addestratore,Costo in PA,"
              "Costo in monete,Efficacia,Requisiti,Luogo,Descrizione");
    // The loader lists the last line first; wisdom -1 is not stated, so its cell is empty.
    EXPECT_EQ(rows[1], "Incantesimo,Dardo,5,,,,,14,,,,,,12,Magia,Maestro,,,,3,250,15,157,,"
                       "\"Dardo - Liv. 5, Int 14, Sag ?, Mana 12, Req. Magia, Ins. Maestro, "
                       "Costo: PA 3/Mon 250\"");
    EXPECT_EQ(rows[2], "Abilità,Parata,3,10,0,8,0,0,,,,,,,,Capitano,,100,5,,,3,171,,"
                       "\"Parata - Liv. 3, For 10, Agi 8, Insegnante: Capitano, Costo: Ins. "
                       "100/Add. 5\"");
    EXPECT_EQ(rows[3], "Anello,Anello,,2,0,1,3,0,30,,,,1.5,,,,,,,,,1.5,8,Grotta,"
                       "\"Anello - CA 1.5, For 2, Agi 1, Sag 3, Attacco 30, Luogo: Grotta\"");
    EXPECT_EQ(rows[4], "Arma,Spada Corta,,10,,,2,0,,+1 For,3,7,,,,,,,,,,10,12,Fabbro di Rocca,"
                       "\"Spada Corta - Dmg 3-7 (5), +1 For, For 10, Sag 2, Luogo: Fabbro di "
                       "Rocca\"");
    EXPECT_EQ(rows[5], "Indefinito,Senza,,,,,,,,,,,,,,,,,,,,0,0,,Senza (Indefinito)");
}

TEST(CsvExport, QuotesWhatWouldSplitACellAndWritesUtf8) {
    using namespace std::string_literals;
    const std::vector<std::string> rows =
        rows_of(csv_of("[armi]\n\"Lama\", \xC8lfica\r=\"a,\"\"b\",1,1,1,\"\",1,1\nNul\0x=\"\"\n"s));
    ASSERT_EQ(rows.size(), 3U);
    // A name with a NUL byte, which no spreadsheet reads, shows a question mark there.
    EXPECT_EQ(rows[1].substr(0, 10), "Arma,Nul?x");
    EXPECT_EQ(rows[2].substr(0, 30), "Arma,\"\"\"Lama\"\", Èlfica\r\",,1,,");
}

TEST(CsvExport, EveryCategoryFillsTheColumnsOfItsDataLineFieldsAndNoOther) {
    // Every field of this line reads as a value that shows: the text "7", or the number 0.
    std::string line = "Nome=\"7\"";
    for (int field = 1; field < 16; ++field) {
        line += ",\"7\"";
    }
    // The columns that every record fills, whatever its category.
    const std::array<std::string_view, 5> not_fields = {"Categoria", "Nome", "Efficacia",
                                                        "Requisiti", "Descrizione"};
    for (int code = 0; code < category_count; ++code) {
        SCOPED_TRACE(code);
        Item item;
        ASSERT_EQ(parse_line(item, code, line), ParseResult::accepted);
        const std::array<const Item*, 1> records = {&item};
        const std::vector<std::string> rows = rows_of(csv_of(records));
        ASSERT_EQ(rows.size(), 2U);
        const std::vector<std::string> headers = cells_of(rows[0]);
        const std::vector<std::string> cells = cells_of(rows[1]);
        ASSERT_EQ(cells.size(), headers.size());
        // A field's column is headed by its name with a capital.
        const std::span<const std::string_view> fields = field_names(code);
        std::size_t filled = 0;
        for (std::size_t c = 0; c < headers.size(); ++c) {
            if (std::find(not_fields.begin(), not_fields.end(), headers[c]) != not_fields.end()) {
                continue;
            }
            std::string field = headers[c];
            field.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(field[0])));
            const bool in_line = std::find(fields.begin(), fields.end(), field) != fields.end();
            EXPECT_EQ(!cells[c].empty(), in_line) << headers[c];
            filled += in_line ? 1 : 0;
        }
        EXPECT_EQ(filled, fields.size()) << "a field of the line without a column";
    }
}
