// The page lists: switching pages, selection into the description, double clicks into a
// message box, item text shown literally, and copying the selected line.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

class PageListsTest : public QObject {
    Q_OBJECT
private slots:
    void tabs_switch_pages_and_keep_each_selection();
    void selecting_a_header_shows_its_text();
    void double_click_shows_the_line_or_no_selection();
    void item_text_shows_literally();
    void refill_clears_selections_but_keeps_the_description();
    void refill_inside_a_double_click_keeps_the_line_picked();
    void selecting_writes_the_whole_form_back();
    void keyboard_moves_the_selection();
    void wait_cursor_shows_while_filling_only();
    void ctrl_c_and_the_menu_copy_the_selected_line();
};

void PageListsTest::tabs_switch_pages_and_keep_each_selection() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* tabs = harness.child<QTabBar>("tab_control");
    const char* const lists[] = {"weapons_list", "armour_list",    "jewels_list",
                                 "bows_list",    "abilities_list", "spells_list"};

    for (int page = 0; page < 6; ++page) {
        tabs->setCurrentIndex(page);
        for (int other = 0; other < 6; ++other) {
            QCOMPARE(harness.list(lists[other])->isVisible(), other == page);
        }
    }

    QCOMPARE(harness.lines("weapons_list").size(), 5);
    QCOMPARE(harness.lines("bows_list").size(), 2);
    tabs->setCurrentIndex(0);
    harness.click_line("weapons_list", 4);
    const QString spada = harness.lines("weapons_list")[4];
    QCOMPARE(harness.label_text("description_label"), spada);

    tabs->setCurrentIndex(3);
    harness.click_line("bows_list", 1);
    const QString arco = harness.lines("bows_list")[1];
    QCOMPARE(harness.label_text("description_label"), arco);

    // Back on the first page its selection is still there; switching alone does not touch
    // the description.
    tabs->setCurrentIndex(0);
    QCOMPARE(harness.list("weapons_list")->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(harness.list("weapons_list")->selectionModel()->selectedRows()[0].row(), 4);
    QCOMPARE(harness.label_text("description_label"), arco);
    QCOMPARE(harness.list("bows_list")->selectionModel()->selectedRows()[0].row(), 1);
}

void PageListsTest::selecting_a_header_shows_its_text() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.child<QTabBar>("tab_control")->setCurrentIndex(1);
    const int header = harness.row_of("armour_list", QStringLiteral("[Oggetti di tipo Armatura]"));
    QVERIFY(header > 0);
    harness.click_line("armour_list", header);
    QCOMPARE(harness.label_text("description_label"), QStringLiteral("[Oggetti di tipo Armatura]"));
    QCOMPARE(harness.label_text("description_label"), QStringLiteral("[Oggetti di tipo Armatura]"));

    const ModalRecord shown =
        answer_modals([&] { harness.double_click_line("armour_list", header); });
    QCOMPARE(shown.count, 1);
    QCOMPARE(shown.text, QStringLiteral("[Oggetti di tipo Armatura]"));
    QCOMPARE(shown.title, QStringLiteral("Tabella delle Armature"));
    QCOMPARE(shown.buttons, 1);
}

void PageListsTest::double_click_shows_the_line_or_no_selection() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* tabs = harness.child<QTabBar>("tab_control");

    // A line: its text, under the page's own caption.
    tabs->setCurrentIndex(4);
    QCOMPARE(harness.lines("abilities_list").size(), 2);
    const QString line = harness.lines("abilities_list")[1];
    ModalRecord shown = answer_modals([&] { harness.double_click_line("abilities_list", 1); });
    QCOMPARE(shown.count, 1);
    QCOMPARE(shown.text, line);
    QCOMPARE(shown.title, QStringLiteral("Tabella delle Abilità"));

    // The empty area below the lines of a list with nothing selected.
    tabs->setCurrentIndex(2);
    QListView* jewels = harness.list("jewels_list");
    const QPoint below(10, jewels->viewport()->height() - 5);
    shown =
        answer_modals([&] { QTest::mouseDClick(jewels->viewport(), Qt::LeftButton, {}, below); });
    QCOMPARE(shown.count, 1);
    QCOMPARE(shown.text, QStringLiteral("Nessuna selezione"));
    QCOMPARE(shown.title, QStringLiteral("Tabella dei Gioielli"));
    QCOMPARE(jewels->selectionModel()->selectedRows().size(), 0);

    // An empty list: a search that finds no spell leaves the spells page empty.
    harness.set_edit_text("search_edit", QStringLiteral("spada"));
    QTest::mouseClick(harness.child<QPushButton>("search_button"), Qt::LeftButton);
    tabs->setCurrentIndex(5);
    QListView* spells = harness.list("spells_list");
    QCOMPARE(spells->model()->rowCount(), 0);
    shown = answer_modals(
        [&] { QTest::mouseDClick(spells->viewport(), Qt::LeftButton, {}, QPoint(20, 20)); });
    QCOMPARE(shown.count, 1);
    QCOMPARE(shown.text, QStringLiteral("Nessuna selezione"));
    QCOMPARE(shown.title, QStringLiteral("Tabella degli Incantesimi"));

    // The captions of the remaining pages.
    const struct {
        int page;
        const char* list;
        const char* caption;
    } pages[] = {{0, "weapons_list", "Tabella delle Armi"},
                 {3, "bows_list", "Tabella degli Archi"}};
    for (const auto& page : pages) {
        tabs->setCurrentIndex(page.page);
        QListView* view = harness.list(page.list);
        shown = answer_modals(
            [&] { QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, 20)); });
        QCOMPARE(shown.count, 1);
        QCOMPARE(shown.title, QString::fromUtf8(page.caption));
    }
    // The double click leaves the form alone.
    QCOMPARE(harness.label_text("found_label"), QStringLiteral("Oggetti Trovati: 1"));
}

void PageListsTest::item_text_shows_literally() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const int row = 3;
    QCOMPARE(harness.lines("weapons_list").size(), 5);
    const QString mazza = harness.lines("weapons_list")[row];
    QVERIFY(mazza.startsWith(QStringLiteral("Mazza &Ferrata")));
    QVERIFY(mazza.contains(QStringLiteral("<b>Grassetto</b>")));

    harness.click_line("weapons_list", row);
    auto* description = harness.child<QLabel>("description_label");
    QCOMPARE(description->text(), mazza);
    QCOMPARE(description->textFormat(), Qt::PlainText);

    const ModalRecord shown =
        answer_modals([&] { harness.double_click_line("weapons_list", row); });
    QCOMPARE(shown.text, mazza);
    QCOMPARE(shown.format, Qt::PlainText);

    // The tooltip of a line shows it whole; a tooltip takes text that looks like markup as
    // rich text, so it must come out literally once rendered that way.
    const QString tip =
        harness.list("weapons_list")->model()->index(row, 0).data(Qt::ToolTipRole).toString();
    QTextDocument rendered;
    if (Qt::mightBeRichText(tip)) {
        rendered.setHtml(tip);
    } else {
        rendered.setPlainText(tip);
    }
    QCOMPARE(rendered.toPlainText(), mazza);

    // Bytes 0x80-0x9F are characters too: the euro sign of the undefined record.
    harness.click_line("weapons_list", 0);
    QCOMPARE(description->text(), QStringLiteral("Reliquia €? (Indefinito)"));
    QCOMPARE(harness.label_text("description_label"), QStringLiteral("Reliquia €? (Indefinito)"));
}

void PageListsTest::refill_clears_selections_but_keeps_the_description() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QCOMPARE(harness.lines("armour_list").size(), 5);
    harness.click_line("weapons_list", 2);
    const QString ascia = harness.lines("weapons_list")[2];
    harness.child<QTabBar>("tab_control")->setCurrentIndex(1);
    harness.click_line("armour_list", 1);
    const QString goccia = harness.lines("armour_list")[1];
    QCOMPARE(harness.label_text("description_label"), goccia);
    QVERIFY(ascia != goccia);

    QTest::mouseClick(harness.child<QPushButton>("filter_button"), Qt::LeftButton);
    for (const char* name : {"weapons_list", "armour_list"}) {
        QCOMPARE(harness.list(name)->selectionModel()->selectedRows().size(), 0);
    }
    QCOMPARE(harness.label_text("description_label"), goccia);

    QTest::mouseClick(harness.child<QPushButton>("search_button"), Qt::LeftButton);
    QCOMPARE(harness.list("armour_list")->selectionModel()->selectedRows().size(), 0);
    QCOMPARE(harness.label_text("description_label"), goccia);
}

void PageListsTest::refill_inside_a_double_click_keeps_the_line_picked() {
    // Alt+L presses Fi&ltra, which clicks a moment later, from a timer: a line double-clicked
    // at once is picked, and the refill comes while its message box is open. The description
    // stays on that line, picked last, though no line is selected any more.
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    harness.click_line("weapons_list", 2);
    auto* filter = harness.child<QPushButton>("filter_button");
    QTest::keyClick(&harness.dialog(), Qt::Key_L, Qt::AltModifier);
    QVERIFY(filter->isDown());

    // The box is answered only once the click has come, which makes the order certain.
    bool refilled_while_open = false;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || filter->isDown()) {
            return;
        }
        refilled_while_open =
            harness.list("weapons_list")->selectionModel()->selectedRows().isEmpty();
        box->button(QMessageBox::Ok)->click();
    });
    answer.start();
    const QString picked = harness.lines("weapons_list")[4];
    harness.double_click_line("weapons_list", 4);
    answer.stop();

    QVERIFY(refilled_while_open);
    QCOMPARE(harness.label_text("description_label"), picked);
    QCOMPARE(harness.list("weapons_list")->selectionModel()->selectedRows().size(), 0);
}

void PageListsTest::selecting_writes_the_whole_form_back() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // Typed but never read: selecting a line puts the members back into the boxes.
    harness.set_edit_text("level_min_edit", QStringLiteral("12"));
    harness.set_edit_text("search_edit", QStringLiteral("spada"));
    harness.click_line("weapons_list", 1);
    QCOMPARE(harness.edit_text("level_min_edit"), QStringLiteral("0"));
    QCOMPARE(harness.edit_text("search_edit"), QString());

    // Once read, the values survive a selection, written in plain decimal.
    harness.set_edit_text("attack_max_edit", QStringLiteral("0070"));
    QTest::mouseClick(harness.child<QPushButton>("filter_button"), Qt::LeftButton);
    QCOMPARE(harness.edit_text("attack_max_edit"), QStringLiteral("70"));
    harness.click_line("weapons_list", 2);
    QCOMPARE(harness.edit_text("attack_max_edit"), QStringLiteral("70"));
    QCOMPARE(harness.filter().form().attack_max, 70);
}

void PageListsTest::keyboard_moves_the_selection() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QListView* weapons = harness.list("weapons_list");
    QCOMPARE(harness.lines("weapons_list").size(), 5);
    harness.click_line("weapons_list", 1);
    QTest::keyClick(weapons, Qt::Key_Down);
    QCOMPARE(weapons->selectionModel()->selectedRows()[0].row(), 2);
    QCOMPARE(harness.label_text("description_label"), harness.lines("weapons_list")[2]);
    QTest::keyClick(weapons, Qt::Key_End);
    QCOMPARE(harness.label_text("description_label"), harness.lines("weapons_list")[4]);

    // Only the left button selects: a right or middle click on another line changes nothing.
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        const QRect first = weapons->visualRect(weapons->model()->index(1, 0));
        QTest::mouseClick(weapons->viewport(), button, {}, first.center());
        QCOMPARE(weapons->selectionModel()->selectedRows()[0].row(), 4);
        QCOMPARE(harness.label_text("description_label"), harness.lines("weapons_list")[4]);
    }
    // Nor did it move the current line: Up goes on from the selected one.
    QTest::keyClick(weapons, Qt::Key_Up);
    QCOMPARE(weapons->selectionModel()->selectedRows()[0].row(), 3);
    QTest::keyClick(weapons, Qt::Key_End);

    // A click into the empty area below the lines keeps the selection.
    const QPoint below(10, weapons->viewport()->height() - 5);
    QTest::mouseClick(weapons->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(weapons->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(harness.label_text("description_label"), harness.lines("weapons_list")[4]);
}

void PageListsTest::wait_cursor_shows_while_filling_only() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QList<Qt::CursorShape> during_fill;
    QObject::connect(harness.list("spells_list")->model(), &QAbstractItemModel::modelReset,
                     [&during_fill] {
                         const QCursor* cursor = QApplication::overrideCursor();
                         during_fill.append(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
                     });
    QTest::mouseClick(harness.child<QPushButton>("filter_button"), Qt::LeftButton);
    QTest::mouseClick(harness.child<QPushButton>("search_button"), Qt::LeftButton);
    QCOMPARE(during_fill, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    // Every wait cursor is taken back, also after the sort inside each action.
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void PageListsTest::ctrl_c_and_the_menu_copy_the_selected_line() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QListView* weapons = harness.list("weapons_list");
    QClipboard* clipboard = QApplication::clipboard();
    // Opens the list's context menu and chooses its first entry, "Copia", when it can; its
    // entries, or nothing when the entry could not be chosen.
    const auto copy_from_menu = [weapons] {
        QStringList entries;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&entries] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                if (menu->actions().value(0)->isEnabled()) {
                    entries.append(menu->actions().value(0)->text());
                    menu->actions().value(0)->trigger();
                }
                menu->close();
            }
        });
        answer.start(10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                weapons->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(weapons->viewport(), &event);
        return entries;
    };

    clipboard->setText(QStringLiteral("prima"));
    QCOMPARE(copy_from_menu(), QStringList());
    QTest::keyClick(weapons, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("prima"));

    harness.click_line("weapons_list", 2);
    // A click below the lines leaves the selection, and the selected line is what is copied.
    QTest::mouseClick(weapons->viewport(), Qt::LeftButton, {},
                      QPoint(10, weapons->viewport()->height() - 5));
    QTest::keyClick(weapons, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), harness.lines("weapons_list")[2]);
    clipboard->setText(QStringLiteral("prima"));
    QCOMPARE(copy_from_menu(), QStringList{QStringLiteral("&Copia")});
    QCOMPARE(clipboard->text(), harness.lines("weapons_list")[2]);
}

TORVANE_TEST_CLASS(PageListsTest)
#include "test_page_lists.moc"
