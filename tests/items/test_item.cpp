#include <climits>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "items/armour_item.h"
#include "items/item.h"
#include "items/item_test_support.h"
#include "items/sort_mode.h"
#include "items/weapon_item.h"

namespace {

// A plain record whose statistics a test can set, which counts how often its derived
// values and its description are computed, and which reports its destruction.
class ProbeItem : public Item {
public:
    explicit ProbeItem(bool* destroyed = nullptr) : destroyed_(destroyed) {}
    explicit ProbeItem(std::string_view name, int level = 0) : destroyed_(nullptr) {
        read_name(name);
        level_ = level;
    }
    ~ProbeItem() override {
        if (destroyed_ != nullptr) {
            *destroyed_ = true;
        }
    }

    void set_stats(int level, int strength, int resistance, int agility, int wisdom,
                   int intelligence) {
        level_ = level;
        strength_ = strength;
        resistance_ = resistance;
        agility_ = agility;
        wisdom_ = wisdom;
        intelligence_ = intelligence;
    }
    void set_location(std::string_view location) { location_.assign(location); }

    std::string render(std::string_view templ) const override {
        ++renders;
        return Item::render(templ);
    }

    mutable int renders = 0;
    mutable int requirement_computations = 0;
    mutable int efficacy_computations = 0;

protected:
    std::int64_t compute_requirement() const override {
        ++requirement_computations;
        return Item::compute_requirement();
    }
    float compute_efficacy() const override {
        ++efficacy_computations;
        return Item::compute_efficacy();
    }

private:
    bool* destroyed_;
};

using namespace item_test;

TEST(ReadName, TakesTheTextBeforeTheFirstEquals) {
    ProbeItem item;
    EXPECT_EQ(item.read_name("Spada=1,2"), 5);
    EXPECT_EQ(item.name(), "Spada");
    EXPECT_EQ(item.read_name("Elmo =a=b"), 5);
    EXPECT_EQ(item.name(), "Elmo ");
    EXPECT_EQ(item.read_name("Scudo"), 5);
    EXPECT_EQ(item.name(), "Scudo");
}

TEST(ReadName, LeadingEqualsKeepsTheName) {
    ProbeItem unnamed;
    EXPECT_EQ(unnamed.read_name("=x"), 0);
    EXPECT_EQ(unnamed.name(), "");
    ProbeItem named;
    named.read_name("Ascia=");
    EXPECT_EQ(named.read_name("=y"), 0);
    EXPECT_EQ(named.name(), "Ascia");
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

TEST(CreateItem, PicksTheClassAndKeepsTheCode) {
    for (int code = 0; code <= 20; ++code) {
        const ItemRef item(create_item(code));
        EXPECT_EQ(item->category(), code);
        EXPECT_EQ(item->ref_count(), 1);
        EXPECT_EQ(dynamic_cast<WeaponItem*>(item.get()) != nullptr, code == 1) << code;
        EXPECT_EQ(dynamic_cast<ArmourItem*>(item.get()) != nullptr, code >= 2 && code <= 13)
            << code;
    }
    for (int code : {21, -1, 1000}) {
        const ItemRef item(create_item(code));
        EXPECT_EQ(item->category(), 0) << code;
        EXPECT_EQ(typeid(*item), typeid(Item)) << code;
    }
}

TEST(ReferenceCount, LastReleaseDestroys) {
    bool destroyed = false;
    Item* item = new ProbeItem(&destroyed);
    EXPECT_EQ(item->retain(), item);
    EXPECT_EQ(item->ref_count(), 2);
    item->release();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(item->ref_count(), 1);
    item->release();
    EXPECT_TRUE(destroyed);
}

TEST(BaseDerivedValues, SumOfNonNegativeStatisticsComputedOnce) {
    ProbeItem item;
    item.set_stats(3, -1, 0, 5, 0, 2);
    EXPECT_EQ(item.requirement(), 10);
    EXPECT_EQ(item.requirement(), 10);
    EXPECT_EQ(item.requirement_computations, 1);
    EXPECT_EQ(item.efficacy(), 0.0F);
    EXPECT_EQ(item.efficacy(), 0.0F);
    EXPECT_EQ(item.efficacy_computations, 1);
}

TEST(BaseDerivedValues, RequirementSaturatesInsteadOfOverflowing) {
    ProbeItem item;
    item.set_stats(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(item.requirement(), INT_MAX);
    ProbeItem lowest;
    lowest.set_stats(INT_MIN, INT_MIN, -1, -1, INT_MIN, INT_MIN);
    EXPECT_EQ(lowest.requirement(), 0);
}

TEST(BaseDescription, WorkedExample) {
    ProbeItem item;
    item.read_name("Pietra");
    item.set_stats(3, -1, 0, 0, 0, 0);
    EXPECT_EQ(item.description(), "Pietra (Indefinito) - Livello 3, For ?");
}

TEST(BaseDescription, EveryGroupInTemplateOrder) {
    ProbeItem item;
    item.read_name("Gemma");
    item.set_location("Cava");
    item.set_stats(1, 2, 3, 4, 5, -2);
    EXPECT_EQ(item.description(),
              "Gemma (Indefinito) - Livello 1, For 2, Res 3, Agi 4, Sag 5, Int -2 - Cava");
}

TEST(BaseDescription, NameOnlyLineAndNamelessRecord) {
    EXPECT_EQ(record_from(0, "Sasso")->description(), "Sasso (Indefinito)");
    EXPECT_EQ(record_from(0, "Sasso=1,2,3")->description(), "Sasso (Indefinito)");
    const ItemRef nameless(create_item(0));
    EXPECT_EQ(nameless->parse_line("=1,2"), 0);
    EXPECT_EQ(nameless->description(), " (Indefinito)");
    // A code outside the table makes a plain record with the base template.
    EXPECT_EQ(record_from(21, "Boh")->description(), "Boh (Indefinito)");
}

TEST(BaseDescription, NamePlaceholderIsFilledByALaterStep) {
    ProbeItem item;
    item.read_name("Runa %lvl");
    item.set_stats(4, 0, 0, 0, 0, 0);
    EXPECT_EQ(item.description(), "Runa 4 (Indefinito) - Livello 4");
}

TEST(BaseDescription, RenderedOnceThenCached) {
    ProbeItem item;
    item.read_name("Pietra");
    const std::string first = item.description();
    EXPECT_EQ(item.description(), first);
    EXPECT_EQ(item.cached_description(), first);
    EXPECT_EQ(item.renders, 1);
}

class BaseOrdering : public SortModeTest {};

TEST_F(BaseOrdering, ByNameUnderNameAndEfficacySorts) {
    for (const SortMode mode : {sort_by_name, sort_by_efficacy}) {
        set_current_sort_mode(mode);
        const ProbeItem a("Alfa", 9);
        const ProbeItem b("Beta", 1);
        EXPECT_TRUE(a.sorts_before(b));
        EXPECT_FALSE(b.sorts_before(a));
    }
}

TEST_F(BaseOrdering, ByRequirementThenName) {
    set_current_sort_mode(sort_by_requirement);
    const ProbeItem light("Zeta", 1);
    const ProbeItem heavy("Alfa", 9);
    const ProbeItem also_heavy("Beta", 9);
    EXPECT_TRUE(light.sorts_before(heavy));
    EXPECT_FALSE(heavy.sorts_before(light));
    EXPECT_TRUE(heavy.sorts_before(also_heavy));
    EXPECT_FALSE(also_heavy.sorts_before(heavy));
}

TEST_F(BaseOrdering, NamesCompareAsUnsignedBytes) {
    EXPECT_TRUE(ProbeItem("Zeta").sorts_before(ProbeItem("alfa")));
    EXPECT_TRUE(ProbeItem("zeta").sorts_before(ProbeItem("\xE0ncora")));
    EXPECT_FALSE(ProbeItem("\xE0ncora").sorts_before(ProbeItem("zeta")));
    EXPECT_TRUE(ProbeItem("Arco").sorts_before(ProbeItem("Arco lungo")));
    EXPECT_TRUE(ProbeItem("").sorts_before(ProbeItem("A")));
    EXPECT_FALSE(ProbeItem("Arco").sorts_before(ProbeItem("Arco")));
}

TEST_F(BaseOrdering, LowerCategoryFirstInEverySort) {
    const ItemRef undefined = record_from(0, "Zzz");
    const ItemRef weapon = record_from(1, R"(Aaa="",1,1,1,"",1,1)");
    const ItemRef shield = record_from(2, R"(Aaa="",0,0,0,0,0,0,"",0)");
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        EXPECT_TRUE(undefined->sorts_before(*weapon));
        EXPECT_FALSE(weapon->sorts_before(*undefined));
        EXPECT_TRUE(weapon->sorts_before(*shield));
        EXPECT_FALSE(shield->sorts_before(*weapon));
        EXPECT_TRUE(undefined->sorts_before(*shield));
    }
}

} // namespace
