// The filter panel with its check boxes, the search, and the sort choice.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

class FilterPanelTest : public QObject {
    Q_OBJECT
private slots:
    void filter_follows_the_check_boxes_data();
    void filter_follows_the_check_boxes();
    void filter_ignores_the_search_text_and_search_the_bounds();
    void search_lower_cases_the_query();
    void search_for_a_character_outside_the_code_page_finds_nothing();
    void sort_choice_applies_at_the_next_action();
};

void FilterPanelTest::filter_follows_the_check_boxes_data() {
    QTest::addColumn<bool>("minimum");
    QTest::addColumn<bool>("maximum");
    QTest::addColumn<QString>("strength_min");
    QTest::addColumn<QString>("strength_max");
    QTest::addColumn<int>("expected");

    // Strengths: undefined 0, Spada 10, Ascia 14, Mazza 16, Vimini 3, Goccia 10, Cotta 8,
    // Arco 5, rings 0 and 2, ability 6, spell 0.
    QTest::newRow("neither: whole catalogue") << false << false << "10"
                                              << "5" << 12;
    QTest::newRow("min at 0: every item") << true << false << "0"
                                          << "5" << 12;
    QTest::newRow("min only") << true << false << "10"
                              << "5" << 4;
    QTest::newRow("max only") << false << true << "10"
                              << "5" << 6;
    QTest::newRow("both, bounds included") << true << true << "10"
                                           << "14" << 3;
    QTest::newRow("both, min above max") << true << true << "15"
                                         << "10" << 0;
}

void FilterPanelTest::filter_follows_the_check_boxes() {
    QFETCH(bool, minimum);
    QFETCH(bool, maximum);
    QFETCH(QString, strength_min);
    QFETCH(QString, strength_max);
    QFETCH(int, expected);
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.child<QCheckBox>("min_check")->setChecked(minimum);
    harness.child<QCheckBox>("max_check")->setChecked(maximum);
    harness.set_edit_text("strength_min_edit", strength_min);
    harness.set_edit_text("strength_max_edit", strength_max);
    click_button(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found_text(expected));
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
    int lines = 0;
    for (const char* list : {"weapons_list", "armour_list", "jewels_list", "bows_list",
                             "abilities_list", "spells_list"}) {
        lines += static_cast<int>(item_names(harness, list).size());
    }
    QCOMPARE(lines, expected);
    if (expected == 3) {
        QCOMPARE(item_names(harness, "weapons_list"),
                 (QStringList{QStringLiteral("Ascia"), QStringLiteral("Spada Corta")}));
        QCOMPARE(harness.lines("armour_list").size(), 2);
    }
    // The catalogue itself is never narrowed: the full view comes back.
    harness.child<QCheckBox>("min_check")->setChecked(false);
    harness.child<QCheckBox>("max_check")->setChecked(false);
    click_button(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found_text(12));
}

void FilterPanelTest::filter_ignores_the_search_text_and_search_the_bounds() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // Only the ring "Anello di prova" has an attack; items without one fail a minimum.
    harness.child<QCheckBox>("min_check")->setChecked(true);
    harness.set_edit_text("attack_min_edit", QStringLiteral("1"));
    harness.set_edit_text("search_edit", QStringLiteral("spada"));
    click_button(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found_text(1));
    QCOMPARE(harness.lines("jewels_list").size(), 2);
    QCOMPARE(harness.lines("jewels_list")[0], QStringLiteral("[Oggetti di tipo Anello]"));
    QCOMPARE(harness.lines("weapons_list").size(), 0);

    click_button(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found_text(1));
    QCOMPARE(item_names(harness, "weapons_list"), QStringList{QStringLiteral("Spada Corta")});
    QCOMPARE(harness.lines("jewels_list").size(), 0);

    // A maximum keeps items that have no value for the statistic.
    harness.child<QCheckBox>("min_check")->setChecked(false);
    harness.child<QCheckBox>("max_check")->setChecked(true);
    harness.set_edit_text("level_max_edit", QStringLiteral("1"));
    click_button(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found_text(11));
    QCOMPARE(harness.lines("abilities_list").size(), 0);
}

void FilterPanelTest::search_lower_cases_the_query() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.set_edit_text("search_edit", QStringLiteral("CO"));
    click_button(harness, "search_button");
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("co"));
    QCOMPARE(harness.filter().form().search_text, std::string("co"));
    QCOMPARE(harness.label_text("found_label"), found_text(4));
    QCOMPARE(item_names(harness, "weapons_list"), QStringList{QStringLiteral("Spada Corta")});
    QCOMPARE(item_names(harness, "armour_list"), QStringList{QStringLiteral("Cotta di Maglia")});
    QCOMPARE(item_names(harness, "bows_list"), QStringList{QStringLiteral("Arco Corto")});
    QCOMPARE(item_names(harness, "jewels_list"), QStringList{QStringLiteral("Àncora d'Oro")});

    // Accented capitals fold too, in the query and in the names.
    harness.set_edit_text("search_edit", QStringLiteral("ÀNCORA"));
    click_button(harness, "search_button");
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("àncora"));
    QCOMPARE(harness.label_text("found_label"), found_text(1));
    QCOMPARE(item_names(harness, "jewels_list"), QStringList{QStringLiteral("Àncora d'Oro")});

    // The empty query finds everything, whatever the check boxes say.
    harness.child<QCheckBox>("min_check")->setChecked(true);
    harness.set_edit_text("attack_min_edit", QStringLiteral("1"));
    harness.set_edit_text("search_edit", QString());
    click_button(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found_text(12));
}

void FilterPanelTest::search_for_a_character_outside_the_code_page_finds_nothing() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // The undefined record's name holds "?" and the euro sign: a stand-in "?" would find it.
    harness.set_edit_text("search_edit", QStringLiteral("☃"));
    click_button(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found_text(0));
    harness.set_edit_text("search_edit", QStringLiteral("€?"));
    click_button(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found_text(1));
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("€?"));
}

void FilterPanelTest::sort_choice_applies_at_the_next_action() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QStringList by_name = {"Ascia", "Mazza &Ferrata", "Spada Corta"};
    const QStringList by_efficacy = {"Ascia", "Spada Corta", "Mazza &Ferrata"};
    const QStringList by_requirement = {"Spada Corta", "Ascia", "Mazza &Ferrata"};
    auto weapons = [&] { return item_names(harness, "weapons_list").mid(1); };
    QCOMPARE(weapons(), by_name);

    click_button(harness, "sort_efficacy_radio");
    QCOMPARE(harness.filter().sort_mode(), torvane::sort_by_efficacy);
    QCOMPARE(weapons(), by_name);
    click_button(harness, "filter_button");
    QCOMPARE(weapons(), by_efficacy);

    click_button(harness, "sort_requirement_radio");
    QCOMPARE(weapons(), by_efficacy);
    click_button(harness, "search_button");
    QCOMPARE(weapons(), by_requirement);

    click_button(harness, "sort_name_radio");
    QCOMPARE(harness.filter().sort_mode(), torvane::sort_by_name);
    click_button(harness, "filter_button");
    QCOMPARE(weapons(), by_name);
}

TORVANE_TEST_CLASS(FilterPanelTest)
#include "test_filter_panel.moc"
