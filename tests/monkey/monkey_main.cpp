// The monkey test of the window: random user actions on the real window, session after
// session on random archives, with the window's invariants checked after every action.
//
//   window_monkey [--seconds S] [--seed N] [--actions N] [--data SOURCE_DIR]
//
// Runs S seconds (60 by default), or exactly N actions to replay a failed run of the same
// seed. Exits with 0 when every invariant held, 1 on a broken one, 3 on a hang; a sanitizer
// report ends it too. A failure prints the seed and the actions that led to it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QStringList>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

#include "monkey.h"
#include "ui/database_app.h"

namespace {

const Monkey* running_monkey = nullptr;

// The headless platform says so each time a window asks it to raise or resize itself, which
// the monkey's sessions do hundreds of times a minute: keep the report readable.
void drop_platform_chatter(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

bool parse_settings(const QStringList& arguments, MonkeySettings& settings) {
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        const QString& value = arguments[i + 1];
        bool ok = true;
        if (name == QStringLiteral("--seconds")) {
            settings.seconds = value.toDouble(&ok);
        } else if (name == QStringLiteral("--seed")) {
            settings.seed = value.toULongLong(&ok);
        } else if (name == QStringLiteral("--actions")) {
            settings.actions = value.toULongLong(&ok);
        } else if (name == QStringLiteral("--data")) {
            settings.source_dir = value;
        } else {
            ok = false;
        }
        if (!ok) {
            return false;
        }
    }
    return arguments.size() % 2 == 1;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qInstallMessageHandler(drop_platform_chatter);
    DatabaseApp app(argc, argv);
    MonkeySettings settings;
    settings.source_dir = QStringLiteral(TORVANE_SOURCE_DIR);
    if (!parse_settings(QApplication::arguments(), settings)) {
        std::fprintf(stderr, "usage: window_monkey [--seconds S] [--seed N] [--actions N] "
                             "[--data SOURCE_DIR]\n");
        return 2;
    }
    Monkey monkey(app, settings);
    running_monkey = &monkey;
#if defined(__SANITIZE_ADDRESS__)
    // A sanitizer report ends the process: say first which actions led to it.
    __sanitizer_set_death_callback(
        [] { running_monkey->log().print_failure("a sanitizer reported a fault above"); });
#endif
    const int status = monkey.run();
    if (qEnvironmentVariableIsSet("MONKEY_PRINT_ACTIONS")) {
        monkey.log().print_all();
    }
    running_monkey = nullptr;
    return status;
}
