#include "command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "ui/app/app_identity.h"
#include "ui/app/console_commands.h"

namespace {

// The options every Qt application takes for itself; those marked take the next argument as
// their value, unless written as -option=value.
struct ToolkitOption {
    const char* name;
    bool takes_value;
};

constexpr ToolkitOption toolkit_options[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-reverse", false},
    {"-session", true},         {"-style", true},
    {"-stylesheet", true},      {"-widgetcount", false},
    {"-display", true},         {"-geometry", true},
    {"-nograb", false},         {"-dograb", false},
    {"-sync", false},
};

// How many arguments the toolkit option at the front takes: 0 when it is none of them.
int toolkit_option_length(const QStringList& arguments, qsizetype at) {
    const QString& argument = arguments[at];
    for (const ToolkitOption& option : toolkit_options) {
        const QString name = QString::fromLatin1(option.name);
        if (argument == name) {
            return option.takes_value && at + 1 < arguments.size() ? 2 : 1;
        }
        if (option.takes_value && argument.startsWith(name + QLatin1Char('='))) {
            return 1;
        }
    }
    return 0;
}

QString usage_hint() {
    return QStringLiteral("Per l'aiuto: %1 --help").arg(QString::fromLatin1(program_name));
}

CommandLine usage_error(const QString& what) {
    CommandLine command;
    command.action = CommandLine::Action::usage_error;
    command.error = what;
    return command;
}

} // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments) {
    QStringList ours;
    QStringList all;
    for (const std::string& argument : arguments) {
        all.append(
            QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size())));
    }
    for (qsizetype at = 0; at < all.size(); ++at) {
        const int length = at > 0 ? toolkit_option_length(all, at) : 0;
        if (length == 0) {
            ours.append(all[at]);
        }
        at += length > 0 ? length - 1 : 0;
    }

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption check_option(QStringLiteral("check"), QString());
    const QCommandLineOption csv_option(QStringLiteral("csv"), QString());
    const QCommandLineOption diff_option(QStringLiteral("diff"), QString());
    parser.addOptions({help, version, check_option, csv_option, diff_option});
    if (!parser.parse(ours)) {
        const QStringList unknown = parser.unknownOptionNames();
        return usage_error(
            unknown.isEmpty()
                ? parser.errorText()
                : QStringLiteral("opzione sconosciuta: %1%2")
                      .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                           unknown.first()));
    }
    const QStringList files = parser.positionalArguments();
    const bool diff = parser.isSet(diff_option) && !parser.isSet(help) && !parser.isSet(version);
    if (diff && files.size() != 2) {
        return usage_error(
            QStringLiteral("--diff vuole due cataloghi: quello di prima e quello di dopo"));
    }
    if (!diff && files.size() > 1) {
        return usage_error(QStringLiteral("un solo catalogo alla volta"));
    }
    CommandLine command;
    command.file = files.value(0);
    if (diff) {
        command.action = CommandLine::Action::diff;
        command.second_file = files.value(1);
        command.csv = parser.isSet(csv_option);
    } else if (parser.isSet(help)) {
        command.action = CommandLine::Action::help;
    } else if (parser.isSet(version)) {
        command.action = CommandLine::Action::version;
    } else if (parser.isSet(check_option)) {
        if (command.file.isEmpty()) {
            return usage_error(QStringLiteral("--check vuole il catalogo da controllare"));
        }
        command.action = CommandLine::Action::check;
    } else if (parser.isSet(csv_option)) {
        if (command.file.isEmpty()) {
            return usage_error(QStringLiteral("--csv vuole il catalogo da esportare"));
        }
        command.action = CommandLine::Action::csv;
    }
    return command;
}

std::optional<int> run_without_window(const CommandLine& command, std::ostream& out,
                                      std::ostream& err) {
    switch (command.action) {
    case CommandLine::Action::window:
        return std::nullopt;
    case CommandLine::Action::help:
        out << help_text().toStdString();
        return 0;
    case CommandLine::Action::version:
        out << program_name << ' ' << program_version << '\n';
        return 0;
    case CommandLine::Action::check:
        return check_catalogue(command.file, out, err);
    case CommandLine::Action::csv:
        return export_catalogue(command.file, out, err);
    case CommandLine::Action::diff:
        return compare_catalogue_files(command.file, command.second_file,
                                       command.csv ? ComparisonForm::csv : ComparisonForm::text,
                                       out, err);
    case CommandLine::Action::usage_error:
        err << program_name << ": " << command.error.toStdString() << '\n'
            << usage_hint().toStdString() << '\n';
        return 2;
    }
    return 2;
}

QString help_text() {
    return QStringLiteral(
               "Uso: %1 [FILE]\n"
               "     %1 --check FILE\n"
               "     %1 --csv FILE\n"
               "     %1 --diff [--csv] PRIMA DOPO\n"
               "\n"
               "Sfoglia il catalogo degli oggetti di un gioco di ruolo fantasy.\n"
               "Senza FILE legge archive.dat nella cartella corrente; FILE può essere un\n"
               "catalogo o una cartella che contiene archive.dat. Nella finestra, Ctrl+O apre\n"
               "un altro catalogo (o trascinane uno nella finestra) e F5 lo rilegge; il\n"
               "catalogo si rilegge anche da solo quando il file cambia.\n"
               "\n"
               "Opzioni:\n"
               "  -h, --help      mostra questo aiuto ed esce\n"
               "  -v, --version   mostra la versione ed esce\n"
               "  --check FILE    controlla il catalogo senza aprire la finestra: scrive\n"
               "                  FILE:RIGA: motivo per ogni riga scartata o sospetta, poi il\n"
               "                  numero di oggetti per categoria; esce con 0 se nessuna riga\n"
               "                  è stata scartata, 1 se qualcuna lo è stata, 2 se il file non\n"
               "                  si può leggere\n"
               "  --csv FILE      scrive tutto il catalogo in CSV (UTF-8) sullo standard\n"
               "                  output, senza aprire la finestra; esce come --check\n"
               "  --diff PRIMA DOPO\n"
               "                  confronta due cataloghi oggetto per oggetto: scrive, per\n"
               "                  categoria, gli oggetti nuovi (+), tolti (-) e cambiati (~)\n"
               "                  con i campi che cambiano; con --csv in CSV; esce con 0 se\n"
               "                  gli oggetti sono gli stessi, 1 se cambiano, 2 se un file\n"
               "                  non si può leggere\n"
               "\n"
               "Nella finestra F1 mostra la guida con tutti i tasti.\n")
        .arg(QString::fromLatin1(program_name));
}
