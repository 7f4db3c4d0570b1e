// Trova: finding a text in every line the lists show, page after page and round, as the user
// does it with Ctrl+F, Enter, Shift+Enter, F3 and Esc.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

// Opens the bar and types the text into its box, as the user does.
void type_into_find_bar(DialogHarness& harness, const QString& text) {
    QTest::keyClick(&harness.dialog(), Qt::Key_F, Qt::ControlModifier);
    auto* edit = harness.child<QLineEdit>("find_edit");
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Where the selection stands after a key in the box: page, selected line, count.
struct Found {
    int page;
    QString line;
    QString count;
    bool operator==(const Found&) const = default;
};

Found found_after(DialogHarness& harness, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(harness.child<QLineEdit>("find_edit"), key, modifiers);
    const int page = harness.child<QTabBar>("tab_control")->currentIndex();
    const char* const lists[] = {"weapons_list", "armour_list",    "jewels_list",
                                 "bows_list",    "abilities_list", "spells_list"};
    const QModelIndexList selected = harness.list(lists[page])->selectionModel()->selectedRows();
    return {page, selected.isEmpty() ? QString() : selected.first().data().toString(),
            harness.label_text("find_count")};
}

} // namespace

class FindBarTest : public QObject {
    Q_OBJECT
private slots:
    void finds_on_this_page_then_the_next_and_round();
    void highlights_the_other_lines_of_the_page();
    void nothing_found_changes_nothing();
    void esc_closes_the_bar_only();
    void finds_in_what_the_lists_show_now();
};

void FindBarTest::finds_on_this_page_then_the_next_and_round() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QVERIFY(!harness.child<QWidget>("find_bar")->isVisible());
    // Any case finds it: "Bottega" is where Ascia (weapons) and Scudo di Vimini (armour) are.
    type_into_find_bar(harness, QStringLiteral("BOTTEGA"));
    QVERIFY(harness.child<QWidget>("find_bar")->isVisible());
    QCOMPARE(QApplication::focusWidget(), harness.child<QWidget>("find_edit"));
    const QString ascia = harness.lines("weapons_list")[2];
    const QString vimini = harness.lines("armour_list")[2];
    QVERIFY(ascia.startsWith(QStringLiteral("Ascia")));
    QVERIFY(vimini.startsWith(QStringLiteral("Scudo di Vimini")));

    const std::vector<std::pair<Found, Found>> steps = {
        {found_after(harness, Qt::Key_Return), {0, ascia, QStringLiteral("1 di 2")}},
        {found_after(harness, Qt::Key_Enter), {1, vimini, QStringLiteral("2 di 2")}},
        {found_after(harness, Qt::Key_F3), {0, ascia, QStringLiteral("1 di 2")}},
        {found_after(harness, Qt::Key_Return, Qt::ShiftModifier),
         {1, vimini, QStringLiteral("2 di 2")}},
        {found_after(harness, Qt::Key_F3, Qt::ShiftModifier), {0, ascia, QStringLiteral("1 di 2")}},
    };
    for (const auto& [actual, expected] : steps) {
        QCOMPARE(actual.page, expected.page);
        QCOMPARE(actual.line, expected.line);
        QCOMPARE(actual.count, expected.count);
    }
    // The description follows, also to a line selected already, and the window stays open.
    QCOMPARE(harness.label_text("description_label"), ascia);
    QVERIFY(harness.dialog().isVisible());
    // A screen reader hears the count and the line, from the box it is in.
    QCOMPARE(harness.child<QLineEdit>("find_edit")->accessibleDescription(),
             QStringLiteral("1 di 2: ") + ascia);
}

void FindBarTest::highlights_the_other_lines_of_the_page() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // "For " stands in the three weapons' lines (not in the undefined item's nor the header)
    // and in six lines of other pages.
    type_into_find_bar(harness, QStringLiteral("for "));
    QCOMPARE(found_after(harness, Qt::Key_Return).count, QStringLiteral("1 di 9"));
    const QAbstractItemModel* model = harness.list("weapons_list")->model();
    QStringList highlighted;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(Qt::BackgroundRole).isValid()) {
            highlighted.append(model->index(row, 0).data().toString().section(u' ', 0, 0));
        }
    }
    QCOMPARE(highlighted, (QStringList{"Ascia", "Mazza", "Spada"}));
    // Closed, the bar leaves no line highlighted.
    QTest::keyClick(harness.child<QLineEdit>("find_edit"), Qt::Key_Escape);
    QVERIFY(!model->index(2, 0).data(Qt::BackgroundRole).isValid());
}

void FindBarTest::nothing_found_changes_nothing() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.click_line("weapons_list", 3);
    const QString picked = harness.label_text("description_label");
    type_into_find_bar(harness, QStringLiteral("zanna di drago"));
    const Found found = found_after(harness, Qt::Key_Return);
    QCOMPARE(found, (Found{0, picked, QStringLiteral("Nessun risultato")}));
    QCOMPARE(harness.label_text("description_label"), picked);
}

void FindBarTest::esc_closes_the_bar_only() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    type_into_find_bar(harness, QStringLiteral("arco"));
    QCOMPARE(found_after(harness, Qt::Key_Return).page, 3);
    QTest::keyClick(harness.child<QLineEdit>("find_edit"), Qt::Key_Escape);
    QVERIFY(!harness.child<QWidget>("find_bar")->isVisible());
    QVERIFY(harness.dialog().isVisible());
    QCOMPARE(QApplication::focusWidget(), harness.list("bows_list"));
    // The lists take their room back.
    QCOMPARE(harness.list("bows_list")->geometry(), harness.list("weapons_list")->geometry());
    QCOMPARE(harness.list("bows_list")->geometry().bottom(),
             harness.child<QWidget>("find_bar")->geometry().bottom());
}

void FindBarTest::finds_in_what_the_lists_show_now() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    type_into_find_bar(harness, QStringLiteral("bottega"));
    QCOMPARE(found_after(harness, Qt::Key_Return).count, QStringLiteral("1 di 2"));
    // &Cerca shows the shields only: the next search finds in them alone.
    harness.set_edit_text("search_edit", QStringLiteral("scudo"));
    QTest::mouseClick(harness.child<QPushButton>("search_button"), Qt::LeftButton);
    QCOMPARE(harness.label_text("find_count"), QString());
    const Found found = found_after(harness, Qt::Key_F3);
    QCOMPARE(found.page, 1);
    QVERIFY(found.line.startsWith(QStringLiteral("Scudo di Vimini")));
    QCOMPARE(found.count, QStringLiteral("1 di 1"));
}

TORVANE_TEST_CLASS(FindBarTest)
#include "test_find_bar.moc"
