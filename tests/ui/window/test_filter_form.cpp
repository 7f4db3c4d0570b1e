// The keyboard and the form: mnemonics and Escape, Enter following the focus, the prompt for a box
// that holds no integer and what the members keep, and the keypad shortcut to the second page.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

class FilterFormTest : public QObject {
    Q_OBJECT
private slots:
    void tab_follows_the_template_order();
    void mnemonics_and_escape();
    void enter_presses_the_button_of_the_focus();
    void a_box_without_an_integer_stops_the_read();
    void a_search_with_a_bad_box_reuses_the_last_query();
    void keypad_one_shows_the_second_page();
};

void FilterFormTest::enter_presses_the_button_of_the_focus() {
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
    QCOMPARE(harness.label_text("found_label"), found_text(1));

    // Enter in the search box searches.
    auto* search_edit = harness.child<QLineEdit>("search_edit");
    search_edit->setFocus();
    QVERIFY(search->isDefault());
    QVERIFY(!filter->isDefault());
    QTest::keyClicks(search_edit, QStringLiteral("CO"));
    QTest::keyClick(search_edit, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(harness.label_text("found_label"), found_text(4));
    QCOMPARE(search_edit->text(), QStringLiteral("co"));

    // Leaving the search box for the tab control or a list gives Enter back to the filter.
    auto* tabs = harness.child<QTabBar>("tab_control");
    tabs->setFocus();
    QVERIFY(filter->isDefault());
    QTest::keyClick(tabs, Qt::Key_Return);
    QCOMPARE(harness.label_text("found_label"), found_text(1));

    search_edit->setFocus();
    QListView* weapons = harness.list("weapons_list");
    weapons->setFocus();
    harness.set_edit_text("attack_min_edit", QStringLiteral("0"));
    QTest::keyClick(weapons, Qt::Key_Return);
    QCOMPARE(harness.label_text("found_label"), found_text(12));

    // On Esci, Enter closes the window.
    auto* exit = harness.child<QPushButton>("exit_button");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Return);
    QVERIFY(!harness.dialog().isVisible());
    QCOMPARE(harness.dialog().result(), int(QDialog::Rejected));
}

void FilterFormTest::a_box_without_an_integer_stops_the_read() {
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

    const ModalRecord prompt = answer_modals([&] { click_button(harness, "filter_button"); });
    QCOMPARE(prompt.count, 1);
    QCOMPARE(prompt.text, QStringLiteral("Immettere un numero intero."));
    QCOMPARE(prompt.buttons, 1);

    const FilterForm& form = harness.filter().form();
    QCOMPARE(form.strength_max, 7);
    QCOMPARE(form.intelligence_max, 8);
    QCOMPARE(form.level_max, 0);
    QCOMPARE(form.agility_min, 0);
    QCOMPARE(form.level_min, 0);
    QCOMPARE(form.search_text, std::string());
    // The box has the window's focus, which it gets back as the prompt closes.
    QCOMPARE(harness.dialog().focusWidget(), harness.child<QWidget>("level_max_edit"));
    harness.dialog().activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), harness.child<QWidget>("level_max_edit"),
                              hang_timeout_ms);

    // The filter still ran with the values read (strength at most 7), and the write at the
    // end of the fill put the old values back in the later boxes.
    QCOMPARE(harness.label_text("found_label"), found_text(7));
    QCOMPARE(harness.edit_text("level_max_edit"), QStringLiteral("0"));
    QCOMPARE(harness.edit_text("level_min_edit"), QStringLiteral("0"));
    QCOMPARE(harness.edit_text("strength_max_edit"), QStringLiteral("7"));
    QCOMPARE(harness.edit_text("search_edit"), QString());

    // Digits beyond the 32-bit range are still an integer, held at its largest value.
    harness.set_edit_text("level_min_edit", QStringLiteral("99999999999"));
    const ModalRecord none = answer_modals([&] { click_button(harness, "filter_button"); });
    QCOMPARE(none.count, 0);
    QCOMPARE(form.level_min, 2147483647);
}

void FilterFormTest::a_search_with_a_bad_box_reuses_the_last_query() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.set_edit_text("search_edit", QStringLiteral("SCUDO"));
    click_button(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found_text(2));

    harness.set_edit_text("wisdom_min_edit", QString());
    harness.set_edit_text("search_edit", QStringLiteral("arco"));
    const ModalRecord prompt = answer_modals([&] { click_button(harness, "search_button"); });
    QCOMPARE(prompt.count, 1);
    QCOMPARE(harness.label_text("found_label"), found_text(2));
    QCOMPARE(harness.edit_text("search_edit"), QStringLiteral("scudo"));
    QCOMPARE(harness.edit_text("wisdom_min_edit"), QStringLiteral("0"));
    // The box has the window's focus, which it gets back as the prompt closes.
    QCOMPARE(harness.dialog().focusWidget(), harness.child<QWidget>("wisdom_min_edit"));
    harness.dialog().activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(),
                              harness.child<QWidget>("wisdom_min_edit"), hang_timeout_ms);
}

void FilterFormTest::keypad_one_shows_the_second_page() {
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

void FilterFormTest::mnemonics_and_escape() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    MainDialog& dialog = harness.dialog();

    // A label's mnemonic moves to its box; a button's presses it.
    QTest::keyClick(&dialog, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), harness.child<QWidget>("search_edit"));
    QVERIFY(harness.child<QPushButton>("search_button")->isDefault());
    QTest::keyClick(&dialog, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), harness.child<QWidget>("level_min_edit"));
    QVERIFY(harness.child<QPushButton>("filter_button")->isDefault());
    QTest::keyClick(&dialog, Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(harness.filter().sort_mode(), torvane::sort_by_requirement,
                              hang_timeout_ms);
    // The description frame holds no tab stop: its mnemonic moves on to the next one, the
    // tab control, and Enter filters from there.
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), harness.child<QWidget>("tab_control"));
    QVERIFY(harness.child<QPushButton>("filter_button")->isDefault());

    // Escape closes the window, as the close box and Esci do.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void FilterFormTest::tab_follows_the_template_order() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // The spin controls and the sort radio buttons are no tab stops; of the lists only the
    // visible one is.
    const QStringList expected = {
        "level_min_edit",    "level_max_edit",        "strength_min_edit",
        "strength_max_edit", "resistance_min_edit",   "resistance_max_edit",
        "agility_min_edit",  "agility_max_edit",      "wisdom_min_edit",
        "wisdom_max_edit",   "intelligence_min_edit", "intelligence_max_edit",
        "attack_min_edit",   "attack_max_edit",       "min_check",
        "max_check",         "filter_button",         "search_edit",
        "search_button",     "tab_control",           "weapons_list",
        "exit_button",       "level_min_edit"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

TORVANE_TEST_CLASS(FilterFormTest)
#include "test_filter_form.moc"
