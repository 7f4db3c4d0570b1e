#pragma once

#include <array>
#include <stdexcept>
#include <string_view>

namespace torvane {

// The record class that create_item makes for a category.
enum class RecordKind { plain, weapon, armour, bow, jewel, ability, spell };

// Everything the program knows of one category, in one place: the code that records carry,
// the name descriptions and header lines show, the archive's section headers that select
// it, its record class, the window page that lists it and the caption of that page's message
// box. Texts are Windows-1252.
struct CategoryInfo {
    int code;
    std::string_view name;
    // Lower case, as a trimmed header line compares after lower-casing; unused ones empty.
    std::array<std::string_view, 4> headers;
    RecordKind kind;
    int page;
    std::string_view page_caption;
};

// Codes 0 to 20; 0 is the category of data lines before any recognised header.
inline constexpr int category_count = 21;
inline constexpr int page_count = 6;

inline constexpr std::array<CategoryInfo, category_count> category_table = {{
    {0, "Indefinito", {}, RecordKind::plain, 0, "Tabella delle Armi"},
    {1, "Arma", {"[arma]", "[armi]"}, RecordKind::weapon, 0, "Tabella delle Armi"},
    {2, "Scudo", {"[scudo]", "[scudi]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    {3, "Armatura", {"[armatura]", "[armature]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    {4,
     "Veste Nera",
     {"[vestenera]", "[veste nera]", "[vestinere]", "[vesti nere]"},
     RecordKind::armour,
     1,
     "Tabella delle Armature"},
    {5,
     "Veste Verde",
     {"[vesteverde]", "[veste verde]", "[vestiverdi]", "[vesti verdi]"},
     RecordKind::armour,
     1,
     "Tabella delle Armature"},
    {6,
     "Veste Bianca",
     {"[vestebianca]", "[veste bianca]", "[vestibianche]", "[vesti bianche]"},
     RecordKind::armour,
     1,
     "Tabella delle Armature"},
    {7,
     "Veste Rossa",
     {"[vesterossa]", "[veste rossa]", "[vestirosse]", "[vesti rosse]"},
     RecordKind::armour,
     1,
     "Tabella delle Armature"},
    {8,
     "Veste Arciere",
     {"[vestearciere]", "[veste arciere]", "[vestiarciere]", "[vesti arciere]"},
     RecordKind::armour,
     1,
     "Tabella delle Armature"},
    {9, "Elmo", {"[elmo]", "[elmi]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    {10, "Guanti", {"[guanti]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    {11, "Stivali", {"[stivali]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    {12, "Cintura", {"[cintura]", "[cinture]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    {13, "Mantello", {"[mantello]", "[mantelli]"}, RecordKind::armour, 1, "Tabella delle Armature"},
    // Bows and arrows are listed after the jewels, on the fourth page.
    {14, "Arco", {"[arco]", "[archi]"}, RecordKind::bow, 3, "Tabella degli Archi"},
    {15, "Frecce", {"[frecce]"}, RecordKind::bow, 3, "Tabella degli Archi"},
    {16, "Amuleto", {"[amuleto]", "[amuleti]"}, RecordKind::jewel, 2, "Tabella dei Gioielli"},
    {17, "Anello", {"[anello]", "[anelli]"}, RecordKind::jewel, 2, "Tabella dei Gioielli"},
    {18, "Bracciale", {"[bracciale]", "[bracciali]"}, RecordKind::jewel, 2, "Tabella dei Gioielli"},
    {19,
     "Abilit\xE0",
     {"[abilita]", "[abilit\xE0]", "[abilita']"},
     RecordKind::ability,
     4,
     "Tabella delle Abilit\xE0"},
    {20,
     "Incantesimo",
     {"[incantesimo]", "[incantesimi]"},
     RecordKind::spell,
     5,
     "Tabella degli Incantesimi"},
}};

// The category of data lines before any recognised header, and of any code outside the table.
inline constexpr int undefined_category = category_table[0].code;

// The entry of a code; that of the undefined category for any code outside the table.
constexpr const CategoryInfo& category_info(int code) {
    return code >= 0 && code < category_count ? category_table[static_cast<std::size_t>(code)]
                                              : category_table[0];
}

// The first code of a record kind, which its class carries until create_item sets the code.
constexpr int first_code_of(RecordKind kind) {
    for (const CategoryInfo& info : category_table) {
        if (info.kind == kind) {
            return info.code;
        }
    }
    return 0;
}

// The code of the category with this display name, for a class that carries the code of the
// category it is named after; a name the table lacks does not compile.
consteval int code_named(std::string_view name) {
    for (const CategoryInfo& info : category_table) {
        if (info.name == name) {
            return info.code;
        }
    }
    throw std::invalid_argument("no category has this name");
}

// Every entry's position is its code, which the lookups above rely on.
static_assert([] {
    for (std::size_t i = 0; i < category_table.size(); ++i) {
        if (category_table[i].code != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}());

} // namespace torvane
