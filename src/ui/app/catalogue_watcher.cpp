#include "catalogue_watcher.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

namespace {

// Long enough for an editor's write, rename and a second write to land as one change.
constexpr int settle_ms = 300;

} // namespace

CatalogueWatcher::CatalogueWatcher(QObject* parent) : QObject(parent) {
    settle_timer_.setSingleShot(true);
    settle_timer_.setInterval(settle_ms);
    connect(&settle_timer_, &QTimer::timeout, this, &CatalogueWatcher::on_settled);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &CatalogueWatcher::on_event);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CatalogueWatcher::on_event);
}

void CatalogueWatcher::watch(const QString& file_path) {
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    path_ = file_path;
    const QString folder = QFileInfo(file_path).absolutePath();
    if (QFileInfo(folder).isDir()) {
        watcher_.addPath(folder);
    }
    if (QFileInfo::exists(file_path)) {
        watcher_.addPath(file_path);
    }
    mark_seen();
}

void CatalogueWatcher::mark_seen() {
    seen_ = stamp_of(path_);
}

CatalogueWatcher::Stamp CatalogueWatcher::stamp_of(const QString& file_path) {
    struct stat status {};
    if (file_path.isEmpty() || ::stat(QFile::encodeName(file_path).constData(), &status) != 0) {
        return {};
    }
    return {true, static_cast<long long>(status.st_size),
            static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000LL +
                status.st_mtim.tv_nsec,
            static_cast<unsigned long long>(status.st_ino)};
}

void CatalogueWatcher::on_event() {
    // A save is often several events (truncate, write, rename): wait until they stop.
    settle_timer_.start();
}

void CatalogueWatcher::on_settled() {
    // A file replaced by a rename is a new file, which the watcher no longer follows.
    if (!path_.isEmpty() && QFileInfo::exists(path_) && !watcher_.files().contains(path_)) {
        watcher_.addPath(path_);
    }
    const Stamp now = stamp_of(path_);
    // A file that is gone for the moment may come back; until then there is nothing to read.
    if (!now.exists || now == seen_) {
        return;
    }
    seen_ = now;
    emit changed();
}
