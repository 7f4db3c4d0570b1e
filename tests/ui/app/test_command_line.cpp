// The program's arguments: the checker's report and exit statuses, help, version and bad
// usage, all run as a separate process on a machine without a display.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app/command_line.h"

namespace {

// One line of every kind the checker reports, in order, then a line it keeps as it is.
const QByteArray doubtful_archive = "Senza Categoria=1\n"
                                    "[armi]\n"
                                    "Spada=,1,1,1,\"\",1,2\n"
                                    "Senza uguale\n"
                                    "=1,2,3\n"
                                    "[nessuna]\n"
                                    "Ascia=\"\",abc,1,1,\"\",1,2\n"
                                    "Mazza=\"\",99999999999,1,1,\"\",1,2\r\n"
                                    "Arco=\"\",1,1,1,\"\",1,2\n"
                                    "Corta=\"\"\n";

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run_program(const QStringList& arguments, const QString& directory) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // The checker keeps no settings; were it to look, it would find none of the user's.
    const QTemporaryDir config;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.start(QStringLiteral(TORVANE_PROGRAM), arguments);
    // Bounds a hang only.
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void check_reports_each_line_and_a_summary();
    void statuses_without_a_display_data();
    void statuses_without_a_display();
    void toolkit_options_are_left_to_the_window();
};

void CommandLineTest::check_reports_each_line_and_a_summary() {
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("dubbi.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(doubtful_archive) > 0);
    file.close();
    const Run run =
        run_program({QStringLiteral("--check"), QStringLiteral("dubbi.dat")}, directory.path());
    QCOMPARE(run.status, 1);
    // One finding for all the fields a short line lacks.
    const QString short_line = QStringLiteral(
        "dubbi.dat:10: la riga finisce presto: i campi mancanti ripetono l'ultimo "
        "presente (forza, intelligenza, saggezza, luogo, danno minimo, danno massimo)");
    QCOMPARE(
        run.out.split(QLatin1Char('\n')),
        (QStringList{
            "dubbi.dat:1: oggetto senza categoria: precede ogni intestazione riconosciuta",
            "dubbi.dat:3: riga scartata: ha un campo vuoto (bonus)",
            "dubbi.dat:4: riga scartata: manca \"=\" dopo il nome",
            "dubbi.dat:5: riga scartata: manca il nome prima di \"=\"",
            "dubbi.dat:6: intestazione ignorata: non corrisponde a nessuna sezione",
            "dubbi.dat:7: campo numerico non valido: vale il numero con cui comincia, o 0 (forza)",
            "dubbi.dat:8: numero fuori dai limiti: ridotto al valore ammesso più vicino (forza)",
            short_line, "dubbi.dat: 5 oggetti (Indefinito 1, Arma 4), 4 righe scartate", ""}));
}

void CommandLineTest::statuses_without_a_display_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("clean file") << QStringList{"--check", "buono.dat"} << 0
                                << "buono.dat: 1 oggetto (Arma 1), 0 righe scartate\n"
                                << "";
    QTest::newRow("folder") << QStringList{"--check", "."} << 0 << "archive.dat: 1 oggetto"
                            << "";
    QTest::newRow("missing file") << QStringList{"--check", "manca.dat"} << 2 << ""
                                  << "torvane-database: manca.dat: il file non esiste\n";
    // Names outside Windows-1252 come out as they were given.
    QTest::newRow("Japanese name") << QStringList{"--check", "ゲーム.dat"} << 0
                                   << "ゲーム.dat: 1 oggetto (Arma 1), 0 righe scartate\n"
                                   << "";
    QTest::newRow("Cyrillic name missing")
        << QStringList{"--check", "Документы/armi.dat"} << 2 << ""
        << "torvane-database: Документы/armi.dat: il file non esiste\n";
    QTest::newRow("check without file") << QStringList{"--check"} << 2 << ""
                                        << "--check vuole";
    QTest::newRow("unknown option") << QStringList{"--colore"} << 2 << ""
                                    << "opzione sconosciuta: --colore";
    QTest::newRow("two files") << QStringList{"a.dat", "b.dat"} << 2 << ""
                               << "un solo catalogo";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--check FILE"
                          << "";
    QTest::newRow("diff of the same items")
        << QStringList{"--diff", "buono.dat", "ゲーム.dat"} << 0 << "nessuna differenza\n"
        << "";
    QTest::newRow("diff of other items")
        << QStringList{"--diff", "buono.dat", "altro.dat"} << 1
        << "Arma:\n  ~ Arco: Forza 1 \u2192 2\n  + Ascia\n1 nuovo, 1 cambiato\n"
        << "";
    QTest::newRow("diff as CSV") << QStringList{"--diff", "--csv", "buono.dat", "altro.dat"} << 1
                                 << "Arma,Arco,cambiato,Forza,1,2\r\nArma,Ascia,nuovo,,,\r\n"
                                 << "";
    QTest::newRow("diff of a missing file")
        << QStringList{"--diff", "buono.dat", "manca.dat"} << 2 << ""
        << "torvane-database: manca.dat: il file non esiste\n";
    QTest::newRow("diff of one file") << QStringList{"--diff", "buono.dat"} << 2 << ""
                                      << "--diff vuole due cataloghi";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "torvane-database 1.1.1.0\n"
                             << "";
}

void CommandLineTest::statuses_without_a_display() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir directory;
    for (const char* name : {"buono.dat", "archive.dat", "ゲーム.dat"}) {
        QFile file(directory.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write("[armi]\nArco=\"\",1,1,1,\"\",1,2\n"));
    }
    QFile other(directory.filePath(QStringLiteral("altro.dat")));
    QVERIFY(other.open(QIODevice::WriteOnly) &&
            other.write("[armi]\nArco=\"\",2,1,1,\"\",1,2\nAscia=\"\",1,1,1,\"\",1,2\n"));
    other.close();
    const Run run = run_program(arguments, directory.path());
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.contains(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
}

void CommandLineTest::toolkit_options_are_left_to_the_window() {
    const CommandLine command =
        parse_command_line({"torvane-database", "-platform", "offscreen", "-reverse", "x.dat"});
    QCOMPARE(command.action, CommandLine::Action::window);
    QCOMPARE(command.file, QStringLiteral("x.dat"));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
