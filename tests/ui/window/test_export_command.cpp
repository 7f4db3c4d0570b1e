// Exporting the lists from the window: what the file holds, and the files it never writes.
#include <array>
#include <functional>
#include <utility>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

constexpr std::array<const char*, 6> list_names = {"weapons_list", "armour_list",    "jewels_list",
                                                   "bows_list",    "abilities_list", "spells_list"};

// The cells of CSV text as RFC 4180 writes them, row by row.
QList<QStringList> read_csv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (quoted && c == u'"' && text.mid(at + 1, 1) == QStringLiteral("\"")) {
            cell += c;
            ++at;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            row.append(std::exchange(cell, {}));
        } else if (!quoted && text.mid(at, 2) == QStringLiteral("\r\n")) {
            row.append(std::exchange(cell, {}));
            rows.append(std::exchange(row, {}));
            ++at;
        } else {
            cell += c;
        }
    }
    return rows;
}

// The item names of a written export, in its order, after a check of its header.
QStringList exported_names(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("(illeggibile)")};
    }
    const QList<QStringList> rows = read_csv(QString::fromUtf8(file.readAll()));
    QStringList names;
    for (const QStringList& row : rows) {
        names.append(row.value(1));
    }
    return !names.isEmpty() && names.takeFirst() == QStringLiteral("Nome")
               ? names
               : QStringList{QStringLiteral("(senza intestazione)")};
}

// The item names the lists show, page after page; the line of an item of no category names
// it as such.
QStringList shown_names(const DialogHarness& harness) {
    QStringList names;
    for (const char* list : list_names) {
        for (const QString& name : item_names(harness, list)) {
            names.append(QString(name).remove(QStringLiteral(" (Indefinito)")));
        }
    }
    return names;
}

// Opens the context menu of the list and chooses its export entry when it is enabled; the
// entries as a screen reader names them, with their keys and whether they are enabled.
QStringList export_from_menu(DialogHarness& harness, const char* list) {
    QStringList entries;
    const ModalWatcher watcher([&entries](QWidget* window) {
        auto* menu = qobject_cast<QMenu*>(window);
        if (menu == nullptr) {
            return;
        }
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
        for (int entry = 0; entry < access->childCount(); ++entry) {
            const QAction* action = menu->actions().value(entry);
            entries.append(access->child(entry)->text(QAccessible::Name) + u' ' +
                           access->child(entry)->text(QAccessible::Accelerator) +
                           (action->isEnabled() ? QString() : QStringLiteral(" (spenta)")));
        }
        menu->close();
        if (menu->actions().value(1)->isEnabled()) {
            menu->actions().value(1)->trigger();
        }
    });
    QWidget* viewport = harness.list(list)->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);
    return entries;
}

// Answers the file dialog of an export with target, a question about replacing a file with
// Yes, and every other box with OK; what the file dialog proposed, then the boxes' texts.
QStringList answer_export(const QString& target, const std::function<void()>& action) {
    QStringList shown;
    const ModalWatcher watcher([&shown, &target](QWidget* window) {
        if (auto* dialog = qobject_cast<QFileDialog*>(window)) {
            shown.append(dialog->selectedFiles().value(0));
            dialog->selectFile(target);
            static_cast<QDialog*>(dialog)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(window)) {
            shown.append(box->text());
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
        }
    });
    action();
    return shown;
}

} // namespace

class ExportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void exports_the_shown_items_in_their_order();
    void a_failed_write_says_why_and_leaves_no_file();
    void never_writes_over_the_catalogue();
};

void ExportCommandTest::exports_the_shown_items_in_their_order() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QDir directory(harness.directory());
    const QString proposed =
        QFileInfo(harness.session().path()).dir().filePath(QStringLiteral("archive.csv"));

    // From the lists' menu, to a name typed without its suffix.
    QStringList entries;
    QCOMPARE(answer_export(directory.filePath("tutto"),
                           [&] { entries = export_from_menu(harness, "bows_list"); }),
             QStringList{proposed});
    QCOMPARE(entries, (QStringList{QStringLiteral("Copia Ctrl+C (spenta)"),
                                   QStringLiteral("Esporta elenco\u2026 Ctrl+S"),
                                   QStringLiteral("Grafico Ctrl+G")}));
    QCOMPARE(exported_names(directory.filePath("tutto.csv")).size(), sample_count);
    QCOMPARE(exported_names(directory.filePath("tutto.csv")), shown_names(harness));

    // By its keys, after a filter and in another order: only the items shown, as shown.
    click_button(harness, "sort_efficacy_radio");
    harness.set_edit_text("strength_max_edit", QStringLiteral("7"));
    harness.child<QCheckBox>("max_check")->setChecked(true);
    click_button(harness, "filter_button");
    QCOMPARE(harness.label_text("found_label"), found_text(7));
    // Keys reach the window once it is active again, which the headless platform leaves to
    // the test after the file dialog.
    harness.dialog().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&harness.dialog(), hang_timeout_ms));
    answer_export(directory.filePath("filtrato.csv"), [&] {
        QTest::keyClick(harness.child<QWidget>("level_min_edit"), Qt::Key_S, Qt::ControlModifier);
    });
    QCOMPARE(exported_names(directory.filePath("filtrato.csv")), shown_names(harness));
    QCOMPARE(shown_names(harness).size(), 7);

    // Nothing shown, nothing to export: the entry is disabled, and the keys ask nothing.
    DialogHarness empty(nullptr);
    QVERIFY(empty.ready());
    QStringList asked = answer_export(directory.filePath("vuoto.csv"), [&] {
        entries = export_from_menu(empty, "weapons_list");
        QTest::keyClick(empty.child<QWidget>("level_min_edit"), Qt::Key_S, Qt::ControlModifier);
    });
    QCOMPARE(asked, QStringList());
    QCOMPARE(entries.value(1), QStringLiteral("Esporta elenco\u2026 Ctrl+S (spenta)"));
}

void ExportCommandTest::a_failed_write_says_why_and_leaves_no_file() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QString target = QDir(harness.directory()).filePath("manca/elenco.csv");
    const QStringList shown = answer_export(target, [&] {
        QTest::keyClick(harness.child<QWidget>("level_min_edit"), Qt::Key_S, Qt::ControlModifier);
    });
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown[1].startsWith(QStringLiteral("Impossibile esportare l'elenco in %1: ")
                                     .arg(QDir::toNativeSeparators(target))),
             qPrintable(shown[1]));
    QVERIFY(!QFileInfo::exists(QDir(harness.directory()).filePath("manca")));
}

void ExportCommandTest::never_writes_over_the_catalogue() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QDir directory(harness.directory());
    // The catalogue under another name: the file dialog asks to replace it, the export refuses.
    QVERIFY(QFile::link(directory.filePath("archive.dat"), directory.filePath("collegamento.csv")));
    const QStringList shown = answer_export(directory.filePath("collegamento.csv"), [&] {
        QTest::keyClick(harness.child<QWidget>("level_min_edit"), Qt::Key_S, Qt::ControlModifier);
    });
    QCOMPARE(shown.size(), 3);
    QVERIFY2(shown[2].contains(QStringLiteral("è il file del catalogo aperto")),
             qPrintable(shown[2]));

    QFile file(directory.filePath("archive.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), archive);
    QVERIFY(QFileInfo(directory.filePath("collegamento.csv")).isSymLink());
    QCOMPARE(directory.entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TORVANE_TEST_CLASS(ExportCommandTest)
#include "test_export_command.moc"
