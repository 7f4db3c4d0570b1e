// What the window remembers between runs, in the user's settings: the designed window on the
// first start, the same window again on the next one, the order in which the start-up picks a
// catalogue, and settings files that cannot be read or make no sense.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

QString settings_file(const QTemporaryDir& config) {
    return config.filePath(QStringLiteral("torvane/torvane-database.conf"));
}

bool write_file(const QString& path, const QByteArray& content) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(content) == content.size();
}

// The window as designed, as it shows right after start-up.
bool is_designed(DialogHarness& harness) {
    MainDialog& dialog = harness.dialog();
    return dialog.size() == dialog.minimumSize() &&
           harness.child<QTabBar>("tab_control")->currentIndex() == 0 &&
           harness.list("weapons_list")->isVisible() &&
           harness.filter().sort_mode() == torvane::sort_by_name &&
           harness.child<QRadioButton>("sort_name_radio")->isChecked();
}

// The folder the file dialog of Ctrl+O opens in.
QString file_dialog_folder(DialogHarness& harness) {
    QString folder;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&folder] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            folder = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    answer.start(10);
    QTest::keyClick(harness.child<QWidget>("level_min_edit"), Qt::Key_O, Qt::ControlModifier);
    return folder;
}

} // namespace

class WindowMemoryTest : public QObject {
    Q_OBJECT
private slots:
    void the_next_start_returns_to_the_last_window();
    void startup_order_data();
    void startup_order();
    void unusable_settings_are_ignored_data();
    void unusable_settings_are_ignored();
};

void WindowMemoryTest::the_next_start_returns_to_the_last_window() {
    QTemporaryDir config;
    QTemporaryDir elsewhere;
    const QString catalogue = elsewhere.filePath(QStringLiteral("giochi/armi.dat"));
    QVERIFY(write_file(catalogue, sample_archive()));
    const QSize grown(40, 30);
    {
        const ProgramStart first{config.path(), catalogue};
        DialogHarness harness(nullptr, &first);
        QVERIFY(harness.ready());
        // Nothing remembered yet: the designed window.
        QVERIFY(is_designed(harness));
        harness.child<QTabBar>("tab_control")->setCurrentIndex(3);
        click_button(harness, "sort_efficacy_radio");
        harness.dialog().resize(harness.dialog().size() + grown);
        harness.dialog().close();
    }
    QVERIFY(QFile::exists(settings_file(config)));

    // Started from a folder without archive.dat and without a file named.
    const ProgramStart again{config.path(), QString()};
    DialogHarness harness(nullptr, &again);
    QVERIFY(harness.ready());
    QCOMPARE(harness.session().path(), catalogue);
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
    QCOMPARE(harness.child<QTabBar>("tab_control")->currentIndex(), 3);
    QVERIFY(harness.list("bows_list")->isVisible());
    QCOMPARE(harness.filter().sort_mode(), torvane::sort_by_efficacy);
    QVERIFY(harness.child<QRadioButton>("sort_efficacy_radio")->isChecked());
    QCOMPARE(harness.dialog().size(), harness.dialog().minimumSize() + grown);
}

void WindowMemoryTest::startup_order_data() {
    // Files: "named.dat" and "last/last.dat" outside the current folder, which holds
    // archive.dat only where the row says so.
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("archive_here");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("dialog_folder");
    QTest::newRow("a file named comes first") << "named.dat" << true << "last/last.dat"
                                              << "named.dat"
                                              << "";
    QTest::newRow("then archive.dat here") << "" << true << "last/last.dat"
                                           << "./archive.dat"
                                           << "./";
    QTest::newRow("then the catalogue read last") << "" << false << "last/last.dat"
                                                  << "last/last.dat"
                                                  << "last";
    QTest::newRow("the catalogue read last, gone") << "" << false << "last/gone.dat"
                                                   << "last/gone.dat"
                                                   << "last";
    QTest::newRow("nothing remembered") << "" << false << ""
                                        << "./archive.dat"
                                        << "./";
    QTest::newRow("a file named that is missing") << "missing.dat" << false << "last/last.dat"
                                                  << "missing.dat"
                                                  << "last";
}

void WindowMemoryTest::startup_order() {
    QFETCH(QString, named);
    QFETCH(bool, archive_here);
    QFETCH(QString, remembered);
    QFETCH(QString, opened);
    QFETCH(QString, dialog_folder);
    QTemporaryDir config;
    QTemporaryDir elsewhere;
    const QDir files(elsewhere.path());
    QVERIFY(write_file(files.filePath("named.dat"), "[armi]\nAscia=\"\",1,1,1,\"\",1,2\n"));
    QVERIFY(write_file(files.filePath("last/last.dat"), sample_archive()));
    WindowMemory memory;
    memory.last_catalogue = remembered.isEmpty() ? QString() : files.filePath(remembered);
    QVERIFY(WindowSettings(settings_file(config)).save(memory));

    const QByteArray archive = sample_archive();
    const ProgramStart start{config.path(), named.isEmpty() ? QString() : files.filePath(named)};
    DialogHarness harness(archive_here ? &archive : nullptr, &start);
    QVERIFY(harness.ready());
    const QDir here(harness.directory());
    const auto where = [&](const QString& path) {
        return path.startsWith(QLatin1String("./")) ? here.filePath(path.mid(2))
                                                    : files.filePath(path);
    };
    QCOMPARE(harness.session().path(), where(opened));
    if (!QFile::exists(where(opened))) {
        // The empty window names the file it looked for.
        QVERIFY(harness.label_text("description_label")
                    .contains(QDir::toNativeSeparators(where(opened))));
    }
    QCOMPARE(file_dialog_folder(harness), QDir::cleanPath(where(dialog_folder)));
}

void WindowMemoryTest::unusable_settings_are_ignored_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("malformed") << QByteArray("\xff\xfe\x00\x01\n[window\npage=3\n", 19);
    QTest::newRow("values out of range")
        << QByteArray("[window]\npage=9\nsort=sideways\ngeometry=@ByteArray(junk)\n"
                      "catalogue=relative/armi.dat\n");
    QTest::newRow("too large") << QByteArray("[window]\npage=3\n").repeated(10000);
    // A folder where the file should be cannot be read nor written.
    QTest::newRow("a folder") << QByteArray();
}

void WindowMemoryTest::unusable_settings_are_ignored() {
    QFETCH(QByteArray, content);
    QTemporaryDir config;
    const QString file = settings_file(config);
    QVERIFY(content.isEmpty() ? QDir().mkpath(file) : write_file(file, content));
    const QByteArray archive = sample_archive();
    const ProgramStart start{config.path(), QString()};
    {
        DialogHarness harness(&archive, &start);
        QVERIFY(harness.ready());
        QVERIFY(is_designed(harness));
        QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 12"));
        harness.child<QTabBar>("tab_control")->setCurrentIndex(2);
        harness.dialog().close();
    }
    // Closing puts a good file in place of a bad one, where it can.
    QCOMPARE(WindowSettings(file).memory().page, content.isEmpty() ? 0 : 2);
}

TORVANE_TEST_CLASS(WindowMemoryTest)
#include "test_window_memory.moc"
