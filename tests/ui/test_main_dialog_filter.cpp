// The filter panel, the search, the sort choice, Enter following the focus, the prompt for
// a box that holds no integer, and the keypad shortcut.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "dialog_test_support.h"

namespace {

QString found(int count) {
    return QStringLiteral("Oggetti Trovati: %1").arg(count);
}

// The item names of a page list, header lines left out.
QStringList names(const DialogHarness& harness, const char* list) {
    QStringList result;
    for (const QString& line : harness.lines(list)) {
        if (!line.startsWith(QLatin1Char('['))) {
            result.append(line.section(QStringLiteral(" - "), 0, 0));
        }
    }
    return result;
}

void click(DialogHarness& harness, const char* button) {
    QTest::mouseClick(harness.child<QAbstractButton>(button), Qt::LeftButton);
}

} // namespace

class FilterTest : public QObject {
    Q_OBJECT
private slots:
    void filter_follows_the_check_boxes_data();
    void filter_follows_the_check_boxes();
    void filter_ignores_the_search_text_and_search_the_bounds();
    void search_lower_cases_the_query();
    void search_for_a_character_outside_the_code_page_finds_nothing();
    void sort_choice_applies_at_the_next_action();
    void enter_presses_the_button_of_the_focus();
    void a_box_without_an_integer_stops_the_read();
    void a_search_with_a_bad_box_reuses_the_last_query();
    void keypad_one_shows_the_second_page();
};

void FilterTest::filter_follows_the_check_boxes_data() {
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

void FilterTest::filter_follows_the_check_boxes() {
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
    click(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found(expected));
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
    int lines = 0;
    for (const char* list : {"weapons_list", "armour_list", "jewels_list", "bows_list",
                             "abilities_list", "spells_list"}) {
        lines += static_cast<int>(names(harness, list).size());
    }
    QCOMPARE(lines, expected);
    if (expected == 3) {
        QCOMPARE(names(harness, "weapons_list"),
                 (QStringList{QStringLiteral("Ascia"), QStringLiteral("Spada Corta")}));
        QCOMPARE(harness.lines("armour_list").size(), 2);
    }
    // The catalogue itself is never narrowed: the full view comes back.
    harness.child<QCheckBox>("min_check")->setChecked(false);
    harness.child<QCheckBox>("max_check")->setChecked(false);
    click(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found(12));
}

void FilterTest::filter_ignores_the_search_text_and_search_the_bounds() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // Only the ring "Anello di prova" has an attack; items without one fail a minimum.
    harness.child<QCheckBox>("min_check")->setChecked(true);
    harness.set_edit_text("attack_min_edit", QStringLiteral("1"));
    harness.set_edit_text("search_edit", QStringLiteral("spada"));
    click(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found(1));
    QCOMPARE(harness.lines("jewels_list").size(), 2);
    QCOMPARE(harness.lines("jewels_list")[0], QStringLiteral("[Oggetti di tipo Anello]"));
    QCOMPARE(harness.lines("weapons_list").size(), 0);

    click(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found(1));
    QCOMPARE(names(harness, "weapons_list"), QStringList{QStringLiteral("Spada Corta")});
    QCOMPARE(harness.lines("jewels_list").size(), 0);

    // A maximum keeps items that have no value for the statistic.
    harness.child<QCheckBox>("min_check")->setChecked(false);
    harness.child<QCheckBox>("max_check")->setChecked(true);
    harness.set_edit_text("level_max_edit", QStringLiteral("1"));
    click(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found(11));
    QCOMPARE(harness.lines("abilities_list").size(), 0);
}

void FilterTest::search_lower_cases_the_query() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.set_edit_text("search_edit", QStringLiteral("CO"));
    click(harness, "search_button");
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("co"));
    QCOMPARE(harness.dialog().form().search_text, std::string("co"));
    QCOMPARE(harness.label_text("found_label"), found(4));
    QCOMPARE(names(harness, "weapons_list"), QStringList{QStringLiteral("Spada Corta")});
    QCOMPARE(names(harness, "armour_list"), QStringList{QStringLiteral("Cotta di Maglia")});
    QCOMPARE(names(harness, "bows_list"), QStringList{QStringLiteral("Arco Corto")});
    QCOMPARE(names(harness, "jewels_list"), QStringList{QStringLiteral("Àncora d'Oro")});

    // Accented capitals fold too, in the query and in the names.
    harness.set_edit_text("search_edit", QStringLiteral("ÀNCORA"));
    click(harness, "search_button");
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("àncora"));
    QCOMPARE(harness.label_text("found_label"), found(1));
    QCOMPARE(names(harness, "jewels_list"), QStringList{QStringLiteral("Àncora d'Oro")});

    // The empty query finds everything, whatever the check boxes say.
    harness.child<QCheckBox>("min_check")->setChecked(true);
    harness.set_edit_text("attack_min_edit", QStringLiteral("1"));
    harness.set_edit_text("search_edit", QString());
    click(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found(12));
}

void FilterTest::search_for_a_character_outside_the_code_page_finds_nothing() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // The undefined record's name holds "?" and the euro sign: a stand-in "?" would find it.
    harness.set_edit_text("search_edit", QStringLiteral("☃"));
    click(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found(0));
    harness.set_edit_text("search_edit", QStringLiteral("€?"));
    click(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found(1));
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("€?"));
}

void FilterTest::sort_choice_applies_at_the_next_action() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QStringList by_name = {"Ascia", "Mazza &Ferrata", "Spada Corta"};
    const QStringList by_efficacy = {"Ascia", "Spada Corta", "Mazza &Ferrata"};
    const QStringList by_requirement = {"Spada Corta", "Ascia", "Mazza &Ferrata"};
    auto weapons = [&] { return names(harness, "weapons_list").mid(1); };
    QCOMPARE(weapons(), by_name);

    click(harness, "sort_efficacy_radio");
    QCOMPARE(harness.dialog().sort_mode(), sort_by_efficacy);
    QCOMPARE(weapons(), by_name);
    click(harness, "filter_button");
    QCOMPARE(weapons(), by_efficacy);

    click(harness, "sort_requirement_radio");
    QCOMPARE(weapons(), by_efficacy);
    click(harness, "search_button");
    QCOMPARE(weapons(), by_requirement);

    click(harness, "sort_name_radio");
    QCOMPARE(harness.dialog().sort_mode(), sort_by_name);
    click(harness, "filter_button");
    QCOMPARE(weapons(), by_name);
}

void FilterTest::enter_presses_the_button_of_the_focus() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* filter = harness.child<QPushButton>("filter_button");
    auto* search = harness.child<QPushButton>("search_button");
    harness.child<QCheckBox>("min_check")->setChecked(true);

    // Enter in a stat box filters.
    auto* attack_max = harness.child<QLineEdit>("attack_max_edit");
    attack_max->setFocus();
    QVERIFY(filter->isDefault());
    harness.set_edit_text("attack_min_edit", QStringLiteral("1"));
    QTest::keyClick(attack_max, Qt::Key_Return);
    QCOMPARE(harness.label_text("found_label"), found(1));

    // Enter in the search box searches.
    auto* search_edit = harness.child<QLineEdit>("search_edit");
    search_edit->setFocus();
    QVERIFY(search->isDefault());
    QVERIFY(!filter->isDefault());
    QTest::keyClicks(search_edit, QStringLiteral("CO"));
    QTest::keyClick(search_edit, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(harness.label_text("found_label"), found(4));
    QCOMPARE(search_edit->text(), QStringLiteral("co"));

    // Leaving the search box for the tab control or a list gives Enter back to the filter.
    auto* tabs = harness.child<QTabBar>("tab_control");
    tabs->setFocus();
    QVERIFY(filter->isDefault());
    QTest::keyClick(tabs, Qt::Key_Return);
    QCOMPARE(harness.label_text("found_label"), found(1));

    search_edit->setFocus();
    QListView* weapons = harness.list("weapons_list");
    weapons->setFocus();
    harness.set_edit_text("attack_min_edit", QStringLiteral("0"));
    QTest::keyClick(weapons, Qt::Key_Return);
    QCOMPARE(harness.label_text("found_label"), found(12));

    // On Esci, Enter closes the window.
    auto* exit = harness.child<QPushButton>("exit_button");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Return);
    QVERIFY(!harness.dialog().isVisible());
    QCOMPARE(harness.dialog().result(), int(QDialog::Rejected));
}

void FilterTest::a_box_without_an_integer_stops_the_read() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // Read order: strength, intelligence, level maxima, ..., then agility, attack,
    // strength, intelligence, level minima, ..., then the search text.
    harness.set_edit_text("strength_max_edit", QStringLiteral("7"));
    harness.set_edit_text("intelligence_max_edit", QStringLiteral("8"));
    harness.set_edit_text("level_max_edit", QString());
    harness.set_edit_text("agility_min_edit", QStringLiteral("5"));
    harness.set_edit_text("level_min_edit", QStringLiteral("9"));
    harness.set_edit_text("search_edit", QStringLiteral("xyz"));
    harness.child<QCheckBox>("max_check")->setChecked(true);

    const ModalRecord prompt = answer_modals([&] { click(harness, "filter_button"); });
    QCOMPARE(prompt.count, 1);
    QCOMPARE(prompt.text, QStringLiteral("Immettere un numero intero."));
    QCOMPARE(prompt.buttons, 1);

    const DialogForm& form = harness.dialog().form();
    QCOMPARE(form.strength_max, 7);
    QCOMPARE(form.intelligence_max, 8);
    QCOMPARE(form.level_max, 0);
    QCOMPARE(form.agility_min, 0);
    QCOMPARE(form.level_min, 0);
    QCOMPARE(form.search_text, std::string());
    // The box has the window's focus, which it gets back as the prompt closes.
    QCOMPARE(harness.dialog().focusWidget(), harness.child<QWidget>("level_max_edit"));
    harness.dialog().activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), harness.child<QWidget>("level_max_edit"));

    // The filter still ran with the values read (strength at most 7), and the write at the
    // end of the fill put the old values back in the later boxes.
    QCOMPARE(harness.label_text("found_label"), found(7));
    QCOMPARE(harness.edit_text("level_max_edit"), QStringLiteral("0"));
    QCOMPARE(harness.edit_text("level_min_edit"), QStringLiteral("0"));
    QCOMPARE(harness.edit_text("strength_max_edit"), QStringLiteral("7"));
    QCOMPARE(harness.edit_text("search_edit"), QString());

    // Digits beyond the 32-bit range are still an integer, held at its largest value.
    harness.set_edit_text("level_min_edit", QStringLiteral("99999999999"));
    const ModalRecord none = answer_modals([&] { click(harness, "filter_button"); });
    QCOMPARE(none.count, 0);
    QCOMPARE(form.level_min, 2147483647);
}

void FilterTest::a_search_with_a_bad_box_reuses_the_last_query() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.set_edit_text("search_edit", QStringLiteral("SCUDO"));
    click(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found(2));

    harness.set_edit_text("wisdom_min_edit", QString());
    harness.set_edit_text("search_edit", QStringLiteral("arco"));
    const ModalRecord prompt = answer_modals([&] { click(harness, "search_button"); });
    QCOMPARE(prompt.count, 1);
    QCOMPARE(harness.label_text("found_label"), found(2));
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("scudo"));
    QCOMPARE(harness.edit_text("wisdom_min_edit"), QStringLiteral("0"));
    // The box has the window's focus, which it gets back as the prompt closes.
    QCOMPARE(harness.dialog().focusWidget(), harness.child<QWidget>("wisdom_min_edit"));
    harness.dialog().activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), harness.child<QWidget>("wisdom_min_edit"));
}

void FilterTest::keypad_one_shows_the_second_page() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* tabs = harness.child<QTabBar>("tab_control");
    MainDialog& dialog = harness.dialog();

    // The letter A and the digit row's 1 do nothing special.
    QTest::keyClick(&dialog, Qt::Key_A);
    QTest::keyClick(&dialog, Qt::Key_1);
    QCOMPARE(tabs->currentIndex(), 0);

    // In a box the keypad's 1 is just a digit.
    auto* level = harness.child<QLineEdit>("level_min_edit");
    level->setFocus();
    level->selectAll();
    QTest::keyClick(level, Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(level->text(), QStringLiteral("1"));
    QCOMPARE(tabs->currentIndex(), 0);

    QTest::keyClick(&dialog, Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(harness.list("armour_list")->isVisible());
    QVERIFY(!harness.list("weapons_list")->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tabs));
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(FilterTest)
#include "test_main_dialog_filter.moc"
