#pragma once

#include <QString>

#include "ui/app/version.h"

// The names under which the program presents itself to the user and to the desktop.

// The executable's name, also the instance and class of its windows on X11.
inline constexpr const char* program_name = "torvane-database";

// The launcher entry and metainfo id, which ties the window to its launcher.
inline constexpr const char* desktop_file_name = "org.torvane.Database";

// The window's caption: the program's name and version, followed by the sign ß, as the
// program has always been titled.
inline QString program_title() {
    return QStringLiteral("Torvane Database ") + QString::fromLatin1(program_version) +
           QChar(u'\u00DF');
}
