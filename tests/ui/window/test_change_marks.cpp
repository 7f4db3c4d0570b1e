// What a new reading changed: the lines of items added or changed marked, with their meaning
// for the tooltip and screen readers, and a summary in the caption line.
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

// The sample with Ascia made stronger, Mazza &Ferrata gone and a Balestra added.
QByteArray edited_sample() {
    QByteArray archive = sample_archive();
    archive.replace("Ascia=\"\",14,", "Ascia=\"\",15,");
    archive.replace("Mazza &Ferrata=\"<b>Grassetto</b>\",16,0,3,\"Mercato\",8,12\r\n", "");
    archive.replace("[scudi]\n", "Balestra=\"\",9,0,0,\"Rocca\",4,9\n[scudi]\n");
    return archive;
}

bool write_archive(const QString& path, const QByteArray& archive) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(archive) == archive.size();
}

// Each weapon line's first word and what its mark means, for the lines that have one.
QStringList marked_weapons(DialogHarness& harness) {
    QStringList marked;
    const QAbstractItemModel* model = harness.list("weapons_list")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex line = model->index(row, 0);
        if (line.data(Qt::DecorationRole).isValid()) {
            marked.append(line.data().toString().section(u' ', 0, 0) + u' ' +
                          line.data(Qt::AccessibleDescriptionRole).toString());
        }
    }
    return marked;
}

} // namespace

class ChangeMarksTest : public QObject {
    Q_OBJECT
private slots:
    void a_reading_again_marks_what_changed_until_the_next();
    void another_file_clears_the_marks();
};

void ChangeMarksTest::a_reading_again_marks_what_changed_until_the_next() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    QVERIFY(marked_weapons(harness).isEmpty());
    const QString caption = harness.label_text("caption_label");

    QVERIFY(write_archive(harness.session().path(), edited_sample()));
    QTest::keyClick(&harness.dialog(), Qt::Key_F5);
    const QStringList marked = {"Ascia Cambiato dall'ultima lettura del catalogo",
                                "Balestra Nuovo dall'ultima lettura del catalogo"};
    QCOMPARE(marked_weapons(harness), marked);
    QCOMPARE(harness.label_text("caption_label"), QStringLiteral("1 nuovo, 1 cambiato, 1 tolto"));
    QVERIFY(harness.list("weapons_list")
                ->model()
                ->index(2, 0)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("Cambiato dall'ultima lettura")));
    // Through a refill, the marks stay.
    QTest::mouseClick(harness.child<QPushButton>("filter_button"), Qt::LeftButton);
    QCOMPARE(marked_weapons(harness), marked);
    // The next reading tells its own changes: none.
    QTest::keyClick(&harness.dialog(), Qt::Key_F5);
    QVERIFY(marked_weapons(harness).isEmpty());
    QCOMPARE(harness.label_text("caption_label"), QStringLiteral("nessuna differenza"));
    // The same file opened again counts as a reading again.
    QVERIFY(write_archive(harness.session().path(), archive));
    QVERIFY(harness.session().open(harness.session().path()));
    const QStringList marked_again = {"Ascia Cambiato dall'ultima lettura del catalogo",
                                      "Mazza Nuovo dall'ultima lettura del catalogo"};
    QCOMPARE(marked_weapons(harness), marked_again);
    QVERIFY(caption != harness.label_text("caption_label"));
}

void ChangeMarksTest::another_file_clears_the_marks() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QString caption = harness.label_text("caption_label");
    QVERIFY(write_archive(harness.session().path(), edited_sample()));
    QTest::keyClick(&harness.dialog(), Qt::Key_F5);
    QVERIFY(!marked_weapons(harness).isEmpty());

    const QString other = harness.directory() + QStringLiteral("/altro.dat");
    QVERIFY(write_archive(other, edited_sample()));
    QVERIFY(harness.session().open(other));
    QVERIFY(marked_weapons(harness).isEmpty());
    QCOMPARE(harness.label_text("caption_label"), caption);
}

TORVANE_TEST_CLASS(ChangeMarksTest)
#include "test_change_marks.moc"
