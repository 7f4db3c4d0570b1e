#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "items/data_line.h"
#include "items/description.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/ordering.h"
#include "items/parse_line.h"

namespace {

using namespace item_test;

// The statistics a test chooses for a plain record.
struct Stats {
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
};

// A plain record whose line is its name (a literal, which outlives it), with the statistics
// chosen.
Item plain(std::string_view name, const Stats& stats = {}) {
    Item item;
    item.line = name.data();
    item.name_size = static_cast<std::uint32_t>(name.size());
    item.level = stats.level;
    item.strength = stats.strength;
    item.resistance = stats.resistance;
    item.agility = stats.agility;
    item.wisdom = stats.wisdom;
    item.intelligence = stats.intelligence;
    return item;
}

TEST(ReadName, TakesTheTextBeforeTheFirstEquals) {
    const struct {
        std::string_view line;
        std::string_view name;
    } cases[] = {{"Spada=1,2", "Spada"}, {"Elmo =a=b", "Elmo "},
                 {"Scudo", "Scudo"},     {"=x", ""},
                 {"Ascia=", "Ascia"},    {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(read_name(c.line), c.name.size()) << c.line;
        Item item;
        parse_line(item, undefined_category, c.line);
        EXPECT_EQ(item.name(), c.name) << c.line;
    }
}

TEST(CategoryName, EveryCodeAndTheRest) {
    const char* const expected[] = {
        "Indefinito",   "Arma",        "Scudo",         "Armatura", "Veste Nera", "Veste Verde",
        "Veste Bianca", "Veste Rossa", "Veste Arciere", "Elmo",     "Guanti",     "Stivali",
        "Cintura",      "Mantello",    "Arco",          "Frecce",   "Amuleto",    "Anello",
        "Bracciale",    "Abilit\xE0",  "Incantesimo"};
    for (int code = 0; code <= 20; ++code) {
        EXPECT_EQ(category_name(code), expected[code]) << code;
    }
    for (int code : {21, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(category_name(code), "Indefinito") << code;
    }
}

TEST(ParseLine, KeepsTheCodeAndGivesTheFieldsOfItsClass) {
    // The fields of each code's records, in the order of KindFields: none, Damage,
    // Protection, Training, Spell.
    constexpr std::string_view expected = "-DPPPPPPPPPPPPDDPPPTS";
    const auto fields_of = [](const Item& item) { return "-DPTS"[item.fields.index()]; };
    for (int code = 0; code <= 20; ++code) {
        Item item;
        parse_line(item, code, "X=1");
        EXPECT_EQ(item.category, code);
        EXPECT_EQ(fields_of(item), expected[static_cast<std::size_t>(code)]) << code;
    }
    for (int code : {21, -1, 1000}) {
        Item item;
        parse_line(item, code, "X=1");
        EXPECT_EQ(item.category, 0) << code;
        EXPECT_EQ(fields_of(item), '-') << code;
    }
}

TEST(BaseDerivedValues, SumOfNonNegativeStatistics) {
    const Item item = plain("A", {.level = 3, .strength = -1, .agility = 5, .intelligence = 2});
    EXPECT_EQ(requirement(item), 10);
    EXPECT_EQ(efficacy(item), 0.0F);
    EXPECT_EQ(attack(item), 0);
}

TEST(BaseDerivedValues, RequirementSaturatesInsteadOfOverflowing) {
    const Item item = plain("A", {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX});
    EXPECT_EQ(requirement(item), INT_MAX);
    const Item lowest = plain("A", {INT_MIN, INT_MIN, -1, -1, INT_MIN, INT_MIN});
    EXPECT_EQ(requirement(lowest), 0);
}

TEST(BaseDescription, WorkedExample) {
    EXPECT_EQ(description(plain("Pietra", {.level = 3, .strength = -1})),
              "Pietra (Indefinito) - Livello 3, For ?");
}

TEST(BaseDescription, EveryGroupInTemplateOrder) {
    constexpr std::string_view line = "GemmaCava"; // the name, then the location
    Item item = plain(line.substr(0, 5), {1, 2, 3, 4, 5, -2});
    item.location_text = {5, 4};
    EXPECT_EQ(description(item),
              "Gemma (Indefinito) - Livello 1, For 2, Res 3, Agi 4, Sag 5, Int -2 - Cava");
}

TEST(BaseDescription, NameOnlyLineAndNamelessRecord) {
    EXPECT_EQ(description(*parsed(0, "Sasso")), "Sasso (Indefinito)");
    EXPECT_EQ(description(*parsed(0, "Sasso=1,2,3")), "Sasso (Indefinito)");
    EXPECT_EQ(description(*parsed(0, "=1,2")), " (Indefinito)");
    // A code outside the table makes a plain record with the base template.
    EXPECT_EQ(description(*parsed(21, "Boh")), "Boh (Indefinito)");
}

TEST(BaseDescription, NamePlaceholderIsFilledByALaterStep) {
    EXPECT_EQ(description(plain("Runa %lvl", {.level = 4})), "Runa 4 (Indefinito) - Livello 4");
}

TEST(BaseOrdering, ByNameUnderNameAndEfficacySorts) {
    const Item a = plain("Alfa", {.level = 9});
    const Item b = plain("Beta", {.level = 1});
    for (const SortMode mode : {sort_by_name, sort_by_efficacy}) {
        EXPECT_TRUE(sorts_before(a, b, mode));
        EXPECT_FALSE(sorts_before(b, a, mode));
    }
}

TEST(BaseOrdering, ByRequirementThenName) {
    const Item light = plain("Zeta", {.level = 1});
    const Item heavy = plain("Alfa", {.level = 9});
    const Item also_heavy = plain("Beta", {.level = 9});
    EXPECT_TRUE(sorts_before(light, heavy, sort_by_requirement));
    EXPECT_FALSE(sorts_before(heavy, light, sort_by_requirement));
    EXPECT_TRUE(sorts_before(heavy, also_heavy, sort_by_requirement));
    EXPECT_FALSE(sorts_before(also_heavy, heavy, sort_by_requirement));
}

TEST(BaseOrdering, NamesCompareAsUnsignedBytes) {
    const auto before = [](std::string_view a, std::string_view b) {
        return sorts_before(plain(a), plain(b), sort_by_name);
    };
    EXPECT_TRUE(before("Zeta", "alfa"));
    EXPECT_TRUE(before("zeta", "\xE0ncora"));
    EXPECT_FALSE(before("\xE0ncora", "zeta"));
    EXPECT_TRUE(before("Arco", "Arco lungo"));
    EXPECT_TRUE(before("", "A"));
    EXPECT_FALSE(before("Arco", "Arco"));
}

TEST(BaseOrdering, LowerCategoryFirstInEverySort) {
    const Record undefined = parsed(0, "Zzz");
    const Record weapon = parsed(1, R"(Aaa="",1,1,1,"",1,1)");
    const Record shield = parsed(2, R"(Aaa="",0,0,0,0,0,0,"",0)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        EXPECT_TRUE(sorts_before(*undefined, *weapon, mode));
        EXPECT_FALSE(sorts_before(*weapon, *undefined, mode));
        EXPECT_TRUE(sorts_before(*weapon, *shield, mode));
        EXPECT_FALSE(sorts_before(*shield, *weapon, mode));
        EXPECT_TRUE(sorts_before(*undefined, *shield, mode));
    }
}

} // namespace
