#pragma once

#include <QByteArray>
#include <QString>

#include "items/ordering.h"

// What the window remembers from one run to the next.
struct WindowMemory {
    // The catalogue file read last, absolute; empty when none has been.
    QString last_catalogue;
    // The window's size and place as QWidget::saveGeometry gives them; empty for the designed.
    QByteArray geometry;
    int page = 0;
    torvane::SortMode sort_mode = torvane::sort_by_name;
};

// The one small file in which the window keeps its memory: torvane/torvane-database.conf in
// the user's settings folder ($XDG_CONFIG_HOME, else ~/.config), read once when made. A file
// that cannot be read or is not well formed reads as an empty memory, and a value out of its
// range as its default; nothing about it is ever fatal.
class WindowSettings {
public:
    // The file in the settings folder that the environment names now.
    WindowSettings();
    // Where that file is.
    static QString default_file_path();
    explicit WindowSettings(QString file_path);

    const QString& file_path() const { return file_path_; }
    // What the file held when it was read, or what was saved since.
    const WindowMemory& memory() const { return memory_; }
    // Replaces the file's content with the memory; false when it could not be written.
    bool save(const WindowMemory& memory);

private:
    QString file_path_;
    WindowMemory memory_;
};
