#include <iostream>

#include "database_app.h"
#include "ui/app/command_line.h"

int main(int argc, char** argv) {
    // Help, version and the checker run before the window's application exists, so they
    // need no display.
    const CommandLine command = parse_command_line(std::vector<std::string>(argv, argv + argc));
    if (const auto status = run_without_window(command, std::cout, std::cerr)) {
        return *status;
    }
    DatabaseApp app(argc, argv);
    return app.run(command.file);
}
