#include "window_settings.h"

#include <array>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "items/category_table.h"

namespace {

// Far more than the few lines the window writes; anything larger is not its file.
constexpr qint64 largest_file = qint64{64} * 1024;

const QString catalogue_key = QStringLiteral("window/catalogue");
const QString geometry_key = QStringLiteral("window/geometry");
const QString page_key = QStringLiteral("window/page");
const QString sort_key = QStringLiteral("window/sort");

// The sort orders as the file names them, in SortMode's order.
constexpr std::array<const char*, 3> sort_names = {"name", "efficacy", "requirements"};

WindowMemory read_memory(const QString& file_path) {
    WindowMemory memory;
    const QFileInfo info(file_path);
    if (!info.isFile() || info.size() > largest_file) {
        return memory;
    }
    const QSettings settings(file_path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return memory;
    }
    const QString catalogue = settings.value(catalogue_key).toString();
    if (QDir::isAbsolutePath(catalogue)) {
        memory.last_catalogue = QDir::cleanPath(catalogue);
    }
    memory.geometry = settings.value(geometry_key).toByteArray();
    bool is_number = false;
    const int page = settings.value(page_key).toInt(&is_number);
    if (is_number && page >= 0 && page < torvane::page_count) {
        memory.page = page;
    }
    const QString sort = settings.value(sort_key).toString();
    for (std::size_t i = 0; i < sort_names.size(); ++i) {
        if (sort == QLatin1String(sort_names[i])) {
            memory.sort_mode = static_cast<torvane::SortMode>(i);
        }
    }
    return memory;
}

} // namespace

QString WindowSettings::default_file_path() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("torvane/torvane-database.conf"));
}

WindowSettings::WindowSettings() : WindowSettings(default_file_path()) {
}

WindowSettings::WindowSettings(QString file_path)
    : file_path_(std::move(file_path)), memory_(read_memory(file_path_)) {
}

bool WindowSettings::save(const WindowMemory& memory) {
    memory_ = memory;
    QSettings settings(file_path_, QSettings::IniFormat);
    // The file holds the window's memory and nothing else: what it held before, readable or
    // not, gives way to the whole memory written afresh.
    settings.clear();
    if (!memory.last_catalogue.isEmpty()) {
        settings.setValue(catalogue_key, memory.last_catalogue);
    }
    if (!memory.geometry.isEmpty()) {
        settings.setValue(geometry_key, memory.geometry);
    }
    settings.setValue(page_key, memory.page);
    settings.setValue(sort_key,
                      QLatin1String(sort_names[static_cast<std::size_t>(memory.sort_mode)]));
    settings.sync();
    return settings.status() != QSettings::AccessError;
}
