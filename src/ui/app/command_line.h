#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QString>

// What the program was asked to do by its arguments.
struct CommandLine {
    enum class Action { window, help, version, check, csv, diff, usage_error };

    Action action = Action::window;
    // The catalogue named on the command line, to open or to check; empty for the default.
    // For a comparison, the catalogue before.
    QString file;
    // For a comparison: the catalogue after, and whether to write CSV rather than text.
    QString second_file;
    bool csv = false;
    // For a usage error: what was wrong, in Italian.
    QString error;
};

// Reads the arguments (the program's name first). The toolkit's own options (-platform,
// -style, -display and the like) are left for the window's application and not reported.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

// Does what needs no window (help, version, a check, an export, a usage error) and gives the exit
// status; nothing for the window. Never starts the toolkit's application, so it works on a
// machine without a display.
std::optional<int> run_without_window(const CommandLine& command, std::ostream& out,
                                      std::ostream& err);

// The help text, in Italian.
QString help_text();
