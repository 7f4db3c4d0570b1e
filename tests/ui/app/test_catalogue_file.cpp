// The catalogue read ahead at start-up: what the window then shows is what reading the file
// when asked would have shown, whatever is asked first.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app/catalogue_file.h"

class CatalogueFileTest : public QObject {
    Q_OBJECT
private slots:
    void read_ahead_gives_what_reading_gives();
};

void CatalogueFileTest::read_ahead_gives_what_reading_gives() {
    const QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString one = directory.filePath(QStringLiteral("one.dat"));
    const QString two = directory.filePath(QStringLiteral("two.dat"));
    const QString missing = directory.filePath(QStringLiteral("missing.dat"));
    for (const auto& [path, text] : {std::pair{one, "[armi]\nSpada=\"\",1,1,1,\"\",1,2\n"},
                                     std::pair{two, "[armi]\nAscia=\"\",1,1,1,\"\",1,2\n"
                                                    "Mazza=\"\",1,1,1,\"\",1,2\n"}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    }
    using torvane::ReadStatus;
    struct Case {
        QString started;
        // Another file asked for before the first reading is waited for; none when empty.
        QString then;
        ReadStatus first;
        std::size_t items;
        QString shown;
    };
    const Case cases[] = {
        {one, {}, ReadStatus::read, 1, one},      {missing, {}, ReadStatus::missing, 0, missing},
        {one, two, ReadStatus::read, 2, two},     {missing, two, ReadStatus::missing, 2, two},
        {one, missing, ReadStatus::read, 1, one},
    };
    for (const Case& c : cases) {
        CatalogueFile file(c.started);
        file.read_ahead();
        if (!c.then.isEmpty()) {
            file.read(c.then);
        }
        QCOMPARE(file.read_once(), c.first);
        QCOMPARE(file.catalogue()->size(), c.items);
        QCOMPARE(file.path(), c.shown);
    }
}

QTEST_GUILESS_MAIN(CatalogueFileTest)
#include "test_catalogue_file.moc"
