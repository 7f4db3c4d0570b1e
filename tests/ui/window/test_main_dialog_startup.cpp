// Start-up of the window: what it shows and where the focus and default button are once it
// is up, with a catalogue, without an archive, and the fixed parts of the layout.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

const char* const stat_edits[] = {
    "level_min_edit",      "level_max_edit",      "strength_min_edit",     "strength_max_edit",
    "resistance_min_edit", "resistance_max_edit", "agility_min_edit",      "agility_max_edit",
    "wisdom_min_edit",     "wisdom_max_edit",     "intelligence_min_edit", "intelligence_max_edit",
    "attack_min_edit",     "attack_max_edit"};

const char* const page_lists[] = {"weapons_list", "armour_list",    "jewels_list",
                                  "bows_list",    "abilities_list", "spells_list"};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void shows_the_catalogue_sorted_with_focus_on_the_first_box();
    void fills_each_page_under_header_lines();
    void missing_archive_opens_an_empty_window();
    void paths_outside_the_code_page_read_as_written_data();
    void paths_outside_the_code_page_read_as_written();
    void layout_has_the_captions_and_the_designed_size();
    void spin_arrows_stop_at_the_row_range();
    void search_box_refuses_the_129th_character();
};

void StartupTest::shows_the_catalogue_sorted_with_focus_on_the_first_box() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());

    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
    QCOMPARE(harness.label_text("found_label"), QStringLiteral("Oggetti Trovati: 12"));
    QCOMPARE(harness.label_text("description_label"), QString());

    // The first tab stop has the focus, so Fi&ltra, not the template's &Cerca, is default.
    QCOMPARE(QApplication::focusWidget(), harness.child<QWidget>("level_min_edit"));
    QVERIFY(harness.child<QPushButton>("filter_button")->isDefault());
    QVERIFY(!harness.child<QPushButton>("search_button")->isDefault());

    QVERIFY(harness.child<QRadioButton>("sort_name_radio")->isChecked());
    QVERIFY(!harness.child<QRadioButton>("sort_efficacy_radio")->isChecked());
    QVERIFY(!harness.child<QRadioButton>("sort_requirement_radio")->isChecked());
    QVERIFY(!harness.child<QCheckBox>("min_check")->isChecked());
    QVERIFY(!harness.child<QCheckBox>("max_check")->isChecked());
    QCOMPARE(harness.filter().sort_mode(), torvane::sort_by_name);
    for (const char* edit : stat_edits) {
        QCOMPARE(harness.edit_text(edit), QStringLiteral("0"));
    }
    QCOMPARE(harness.edit_text("search_edit"), QString());

    auto* tabs = harness.child<QTabBar>("tab_control");
    QCOMPARE(tabs->count(), 6);
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(harness.list("weapons_list")->isVisible());
    for (int page = 1; page < 6; ++page) {
        QVERIFY(!harness.list(page_lists[page])->isVisible());
    }
}

void StartupTest::fills_each_page_under_header_lines() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());

    // The undefined record sorts first and stands above the weapons' header, with none of
    // its own; weapons follow in byte order of their names.
    const QStringList weapons = harness.lines("weapons_list");
    QCOMPARE(weapons.size(), 5);
    QCOMPARE(weapons[0], QStringLiteral("Reliquia €? (Indefinito)"));
    QCOMPARE(weapons[1], QStringLiteral("[Oggetti di tipo Arma]"));
    QVERIFY(weapons[2].startsWith(QStringLiteral("Ascia - ")));
    QVERIFY(weapons[3].startsWith(QStringLiteral("Mazza &Ferrata - ")));
    QCOMPARE(
        weapons[4],
        QStringLiteral("Spada Corta - Dmg 3-7 (5), +1 For, For 10, Sag 2, Luogo: Fabbro di Rocca"));

    // Shields and armour share the second page, each under its own header.
    const QStringList armour = harness.lines("armour_list");
    QCOMPARE(armour.size(), 5);
    QCOMPARE(armour[0], QStringLiteral("[Oggetti di tipo Scudo]"));
    QVERIFY(armour[1].startsWith(QStringLiteral("Scudo a Goccia")));
    QVERIFY(armour[2].startsWith(QStringLiteral("Scudo di Vimini")));
    QCOMPARE(armour[3], QStringLiteral("[Oggetti di tipo Armatura]"));
    QVERIFY(armour[4].startsWith(QStringLiteral("Cotta di Maglia")));

    // Jewels on page 2, bows on page 3, though bows have the lower codes.
    const QStringList jewels = harness.lines("jewels_list");
    QCOMPARE(jewels.size(), 3);
    QCOMPARE(jewels[0], QStringLiteral("[Oggetti di tipo Anello]"));
    QVERIFY(jewels[1].startsWith(QStringLiteral("Anello di prova")));
    QVERIFY(jewels[2].startsWith(QStringLiteral("Àncora d'Oro")));
    const QStringList bows = harness.lines("bows_list");
    QCOMPARE(bows.size(), 2);
    QCOMPARE(bows[0], QStringLiteral("[Oggetti di tipo Arco]"));
    QVERIFY(bows[1].startsWith(QStringLiteral("Arco Corto")));
    const QStringList abilities = harness.lines("abilities_list");
    QCOMPARE(abilities.size(), 2);
    QCOMPARE(abilities[0], QStringLiteral("[Oggetti di tipo Abilità]"));
    const QStringList spells = harness.lines("spells_list");
    QCOMPARE(spells.size(), 2);
    QCOMPARE(spells[0], QStringLiteral("[Oggetti di tipo Incantesimo]"));
    QVERIFY(spells[1].startsWith(QStringLiteral("Scintilla")));
}

void StartupTest::missing_archive_opens_an_empty_window() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 0"));
    QCOMPARE(harness.label_text("found_label"), QStringLiteral("Oggetti Trovati: 0"));
    // The description says where the program looked and how to open a catalogue.
    const QString hint = harness.label_text("description_label");
    QVERIFY(hint.contains(QDir(harness.directory()).filePath(QStringLiteral("archive.dat"))));
    QVERIFY(hint.contains(QStringLiteral("Ctrl+O")));
    for (const char* name : page_lists) {
        QCOMPARE(harness.list(name)->model()->rowCount(), 0);
    }
    QCOMPARE(harness.child<QTabBar>("tab_control")->currentIndex(), 0);
    QVERIFY(harness.list("weapons_list")->isVisible());

    // Every action on the empty catalogue still works and finds nothing.
    QTest::mouseClick(harness.child<QPushButton>("filter_button"), Qt::LeftButton);
    QCOMPARE(harness.label_text("found_label"), QStringLiteral("Oggetti Trovati: 0"));
    QTest::mouseClick(harness.child<QPushButton>("search_button"), Qt::LeftButton);
    QCOMPARE(harness.label_text("found_label"), QStringLiteral("Oggetti Trovati: 0"));
}

void StartupTest::paths_outside_the_code_page_read_as_written_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("Cyrillic") << QStringLiteral("Документы");
    QTest::newRow("Japanese") << QStringLiteral("ゲーム");
}

void StartupTest::paths_outside_the_code_page_read_as_written() {
    QFETCH(QString, folder);
    QTemporaryDir config;
    QTemporaryDir home;
    const QDir there(home.filePath(folder));
    QVERIFY(QDir().mkpath(there.path()));
    const QString missing = there.filePath(QStringLiteral("archive.dat"));
    const ProgramStart start{config.path(), missing};
    DialogHarness harness(nullptr, &start);
    QVERIFY(harness.ready());
    // The hint names the file it looked for, and still does once the form has been read.
    QVERIFY(harness.label_text("description_label").contains(QDir::toNativeSeparators(missing)));
    click_button(harness, "filter_button");
    QVERIFY(harness.label_text("description_label").contains(QDir::toNativeSeparators(missing)));

    const QString file = there.filePath(folder + QStringLiteral(".dat"));
    const ModalRecord failure = answer_modals([&] { harness.session().open(file); });
    QCOMPARE(failure.count, 1);
    QVERIFY2(failure.text.contains(QDir::toNativeSeparators(file)), qPrintable(failure.text));

    QFile catalogue(file);
    QVERIFY(catalogue.open(QIODevice::WriteOnly) && catalogue.write(sample_archive()) > 0);
    catalogue.close();
    QVERIFY(harness.session().open(file));
    QCOMPARE(harness.dialog().windowTitle(),
             QStringLiteral("Torvane Database 1.1.1.0ß — %1.dat").arg(folder));
}

void StartupTest::layout_has_the_captions_and_the_designed_size() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    MainDialog& dialog = harness.dialog();

    QCOMPARE(dialog.objectName(), QStringLiteral("main_dialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Torvane Database 1.1.1.0ß"));
    // It opens at its designed size, which is also the smallest it can take.
    QCOMPARE(dialog.size(), dialog.minimumSize());
    QVERIFY(!dialog.windowIcon().isNull());

    const QStringList captions = {"Armi",  "Armature && Vesti", "Gioielli",
                                  "Archi", "Abilità",           "Incantesimi"};
    auto* tabs = harness.child<QTabBar>("tab_control");
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(tabs->tabText(i), captions[i]);
    }
    QCOMPARE(harness.child<QPushButton>("filter_button")->text(), QStringLiteral("Fi&ltra"));
    QCOMPARE(harness.child<QPushButton>("search_button")->text(), QStringLiteral("&Cerca"));
    QCOMPARE(harness.child<QCheckBox>("min_check")->text(), QStringLiteral("&Min"));
    QCOMPARE(harness.child<QCheckBox>("max_check")->text(), QStringLiteral("Ma&x"));
    QCOMPARE(harness.child<QPushButton>("exit_button")->text(), QStringLiteral("Esci"));
    QVERIFY(!harness.child<QLabel>("caption_label")->text().isEmpty());
    QVERIFY(!harness.child<QLabel>("banner")->pixmap().isNull());

    // The lists lie inside the tab pane, the spin controls beside their boxes.
    const QRect list = harness.list("weapons_list")->geometry();
    QVERIFY(harness.child<QWidget>("tab_frame")->geometry().contains(list));
    QVERIFY(list.top() > tabs->geometry().bottom());
    const QRect edit = harness.child<QWidget>("attack_max_edit")->geometry();
    const QRect spin = harness.child<QWidget>("attack_max_spin")->geometry();
    QCOMPARE(spin.left(), edit.right() + 1);
    QCOMPARE(spin.top(), edit.top());
}

void StartupTest::spin_arrows_stop_at_the_row_range() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    struct Row {
        const char* edit;
        const char* spin;
        int upper;
    };
    const Row rows[] = {{"level_min_edit", "level_min_spin", 300},
                        {"level_max_edit", "level_max_spin", 300},
                        {"strength_max_edit", "strength_max_spin", 500},
                        {"wisdom_min_edit", "wisdom_min_spin", 500},
                        {"attack_min_edit", "attack_min_spin", 3000},
                        {"attack_max_edit", "attack_max_spin", 3000}};
    for (const Row& row : rows) {
        auto arrows = harness.child<QWidget>(row.spin)->findChildren<QToolButton*>();
        QCOMPARE(arrows.size(), 2);
        QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
        QToolButton* down = up == arrows[0] ? arrows[1] : arrows[0];
        down->click();
        QCOMPARE(harness.edit_text(row.edit), QStringLiteral("0"));
        up->click();
        QCOMPARE(harness.edit_text(row.edit), QStringLiteral("1"));
        // A typed value is not limited; the arrows bring it back into the range.
        harness.set_edit_text(row.edit, QString::number(row.upper + 50));
        up->click();
        QCOMPARE(harness.edit_text(row.edit), QString::number(row.upper));
        up->click();
        QCOMPARE(harness.edit_text(row.edit), QString::number(row.upper));
        down->click();
        QCOMPARE(harness.edit_text(row.edit), QString::number(row.upper - 1));
    }

    // The arrow keys in a box step it too; the spin controls never take the focus.
    auto* edit = harness.child<QLineEdit>("level_min_edit");
    edit->setFocus();
    harness.set_edit_text("level_min_edit", QStringLiteral("299"));
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("300"));
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->text(), QStringLiteral("299"));
    QCOMPARE(harness.child<QWidget>("level_min_spin")->focusPolicy(), Qt::NoFocus);

    // Stepping does not read the form: the member keeps its value until an action.
    QCOMPARE(harness.filter().form().level_min, 0);
}

void StartupTest::search_box_refuses_the_129th_character() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* search = harness.child<QLineEdit>("search_edit");
    search->setFocus();
    QTest::keyClicks(search, QString(130, QLatin1Char('z')));
    QCOMPARE(search->text().size(), 128);

    // A full box still searches, and the form write keeps the limit.
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(harness.filter().form().search_text, std::string(128, 'z'));
    QCOMPARE(harness.label_text("found_label"), QStringLiteral("Oggetti Trovati: 0"));
    QCOMPARE(search->maxLength(), 128);
    QCOMPARE(search->text().size(), 128);
}

TORVANE_TEST_CLASS(StartupTest)
#include "test_main_dialog_startup.moc"
