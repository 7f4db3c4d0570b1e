// Other catalogues and new versions of the shown one: what a reload keeps, what a failed one
// leaves alone, the watch on the file, and the ways of naming another file.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSaveFile>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

// Writes the file as an editor that saves by rename does: a new file moved over the old.
bool save_by_rename(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}

// The sample with one more shield, and the wicker shield's strength raised from 3 to 4.
QByteArray edited_sample() {
    QByteArray archive = sample_archive();
    archive.replace("Scudo di Vimini=\"\",3,", "Scudo di Vimini=\"\",4,");
    archive += "[scudi]\nScudo Nuovo=\"\",5,1,0,0,0,0,\"Porto\",2.5\n";
    return archive;
}

} // namespace

class CatalogueSessionTest : public QObject {
    Q_OBJECT
private slots:
    void reload_keeps_page_order_boxes_and_selection();
    void reload_describes_the_line_picked_last();
    void a_file_that_cannot_be_read_changes_nothing();
    void a_saved_file_is_read_again();
    void another_file_by_dialog_drop_or_folder();
};

void CatalogueSessionTest::reload_keeps_page_order_boxes_and_selection() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.child<QCheckBox>("min_check")->setChecked(true);
    harness.set_edit_text("strength_min_edit", QStringLiteral("3"));
    click_button(harness, "sort_requirement_radio");
    click_button(harness, "filter_button");
    harness.child<QTabBar>("tab_control")->setCurrentIndex(1);
    const int goccia =
        harness.row_of("armour_list", harness.lines("armour_list").filter("Goccia")[0]);
    harness.click_line("armour_list", goccia);
    harness.set_edit_text("level_max_edit", QStringLiteral("7"));

    QVERIFY(save_by_rename(QDir(harness.directory()).filePath("archive.dat"), edited_sample()));
    QVERIFY(harness.session().reload());

    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 13"));
    QCOMPARE(harness.child<QTabBar>("tab_control")->currentIndex(), 1);
    // The filter and the order of the last action hold for the new items too: requirements,
    // then names for the two shields that tie at 6.
    QCOMPARE(item_names(harness, "armour_list"),
             (QStringList{"Scudo Nuovo", "Scudo di Vimini", "Scudo a Goccia", "Cotta di Maglia"}));
    const QString selected = harness.lines("armour_list").filter("Goccia")[0];
    QCOMPARE(harness.list("armour_list")->selectionModel()->selectedRows().value(0).row(),
             harness.row_of("armour_list", selected));
    QCOMPARE(harness.label_text("description_label"), selected);
    QCOMPARE(harness.edit_text("level_max_edit"), QStringLiteral("7"));
    QCOMPARE(harness.edit_text("strength_min_edit"), QStringLiteral("3"));
    QVERIFY(harness.child<QRadioButton>("sort_requirement_radio")->isChecked());
}

void CatalogueSessionTest::reload_describes_the_line_picked_last() {
    // A bow picked first, a weapon last; the bows' page is on show when the file is read
    // again. The description is the weapon's line as the new file has it, wherever it stands,
    // or nothing once the lists no longer show it.
    const QByteArray spada = "Spada Corta=\"+1 For\",10,0,2,\"Fabbro di Rocca\",3,7\r\n";
    const QByteArray stronger = "Spada Corta=\"+1 For\",12,0,2,\"Fabbro di Rocca\",3,9\r\n";
    const struct {
        QByteArray replacement;
        // A search between the pick and the reading, which empties the selections.
        const char* search;
        bool described;
    } cases[] = {
        {stronger, nullptr, true},                                         // new text
        {"Accetta=\"\",1,0,0,\"Bottega\",1,2\r\n" + spada, nullptr, true}, // next row
        {"", nullptr, false},                                              // gone
        {stronger, "", true},                                              // unselected
        {spada, "ascia", false},                                           // not shown
    };
    for (const auto& c : cases) {
        const QByteArray archive = sample_archive();
        DialogHarness harness(&archive);
        QVERIFY(harness.ready());
        auto* tabs = harness.child<QTabBar>("tab_control");
        tabs->setCurrentIndex(3);
        harness.click_line("bows_list", 1);
        tabs->setCurrentIndex(0);
        const QString old_line = harness.lines("weapons_list").filter("Spada Corta")[0];
        const int old_row = harness.row_of("weapons_list", old_line);
        harness.click_line("weapons_list", old_row);
        if (c.search != nullptr) {
            harness.set_edit_text("search_edit", QString::fromLatin1(c.search));
            click_button(harness, "search_button");
        }
        tabs->setCurrentIndex(3);
        QByteArray edited = archive;
        edited.replace(spada, c.replacement);
        QVERIFY(save_by_rename(QDir(harness.directory()).filePath("archive.dat"), edited));
        QTest::keyClick(&harness.dialog(), Qt::Key_F5);

        const QStringList found = harness.lines("weapons_list").filter("Spada Corta");
        const QString line = c.described ? found.value(0) : QString();
        const int row = harness.row_of("weapons_list", line);
        // Each line still shown has moved or reads differently.
        QVERIFY(!c.described || (!line.isEmpty() && (line != old_line || row != old_row)));
        QCOMPARE(harness.label_text("description_label"), line);
        const int selected = c.search == nullptr ? row : -1;
        QCOMPARE(harness.list("weapons_list")->selectionModel()->selectedRows().value(0).row(),
                 selected);
    }
}

void CatalogueSessionTest::a_file_that_cannot_be_read_changes_nothing() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QStringList weapons = harness.lines("weapons_list");
    const QString missing = QDir(harness.directory()).filePath("manca.dat");
    const ModalRecord shown = answer_modals([&] { QVERIFY(!harness.session().open(missing)); });
    QCOMPARE(shown.count, 1);
    QVERIFY(shown.text.contains(missing) && shown.text.contains("non esiste"));
    QCOMPARE(harness.lines("weapons_list"), weapons);
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
    QVERIFY(!harness.dialog().windowTitle().contains("manca"));

    // The shown file gone: reading it again says so and keeps what is shown.
    QVERIFY(QFile::remove(QDir(harness.directory()).filePath("archive.dat")));
    const ModalRecord again = answer_modals([&] { QVERIFY(!harness.session().reload()); });
    QCOMPARE(again.count, 1);
    QCOMPARE(harness.lines("weapons_list"), weapons);
}

void CatalogueSessionTest::a_saved_file_is_read_again() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QVERIFY(save_by_rename(QDir(harness.directory()).filePath("archive.dat"), edited_sample()));
    // The watch reacts on its own; the wait only bounds a hang.
    QTRY_COMPARE_WITH_TIMEOUT(harness.label_text("loaded_label"),
                              QStringLiteral("Oggetti Caricati: 13"), 60000);
    // And keeps watching the file that replaced the first.
    QVERIFY(save_by_rename(QDir(harness.directory()).filePath("archive.dat"), sample_archive()));
    QTRY_COMPARE_WITH_TIMEOUT(harness.label_text("loaded_label"),
                              QStringLiteral("Oggetti Caricati: 12"), 60000);
}

void CatalogueSessionTest::another_file_by_dialog_drop_or_folder() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QDir directory(harness.directory());
    QVERIFY(directory.mkdir("altri"));
    QVERIFY(save_by_rename(directory.filePath("altri/armi.dat"),
                           "[armi]\nAscia=\"\",1,1,1,\"\",1,2\n"));
    QVERIFY(save_by_rename(directory.filePath("altri/archive.dat"), edited_sample()));

    // Ctrl+O asks for the file.
    {
        const ModalWatcher chooser([&directory](QWidget* window) {
            if (auto* dialog = qobject_cast<QFileDialog*>(window)) {
                dialog->selectFile(directory.filePath("altri/armi.dat"));
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        QTest::keyClick(harness.child<QWidget>("level_min_edit"), Qt::Key_O, Qt::ControlModifier);
    }
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 1"));
    QCOMPARE(harness.dialog().windowTitle(),
             QStringLiteral("Torvane Database 1.1.1.0ß — armi.dat"));

    // A file dropped on the window.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(directory.filePath("archive.dat"))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&harness.dialog(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&harness.dialog(), &drop);
    QTRY_COMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
    QCOMPARE(harness.dialog().windowTitle(), QStringLiteral("Torvane Database 1.1.1.0ß"));

    // A folder stands for its archive.dat.
    QVERIFY(harness.session().open(directory.filePath("altri")));
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 13"));
}

TORVANE_TEST_CLASS(CatalogueSessionTest)
#include "test_catalogue_session.moc"
