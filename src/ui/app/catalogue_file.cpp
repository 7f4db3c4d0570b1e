#include "catalogue_file.h"

#include <string>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString default_name = QStringLiteral("archive.dat");

QString default_path() {
    return QDir::current().absoluteFilePath(default_name);
}

} // namespace

QString catalogue_file_path(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QDir(info.absoluteFilePath()).absoluteFilePath(default_name);
    }
    return info.absoluteFilePath();
}

QString read_failure_reason(torvane::ReadStatus status) {
    const std::string_view text = torvane::read_status_text(status);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString read_failure_message(const QString& file_path, torvane::ReadStatus status) {
    return QStringLiteral("Impossibile leggere il catalogo %1: %2.")
        .arg(QDir::toNativeSeparators(file_path), read_failure_reason(status));
}

CatalogueFile::CatalogueFile()
    : catalogue_(std::make_shared<const torvane::Catalogue>()), path_(default_path()) {
}

CatalogueFile::CatalogueFile(const QString& path)
    : catalogue_(std::make_shared<const torvane::Catalogue>()), path_(catalogue_file_path(path)) {
}

CatalogueFile startup_catalogue(const QString& named, const QString& remembered) {
    CatalogueFile file = [&] {
        if (!named.isEmpty()) {
            return CatalogueFile(named);
        }
        if (remembered.isEmpty() || QFileInfo::exists(default_path())) {
            return CatalogueFile();
        }
        return CatalogueFile(remembered);
    }();
    file.read_ahead();
    return file;
}

bool CatalogueFile::is_default() const {
    return QFileInfo(path_) == QFileInfo(default_path());
}

void CatalogueFile::read_ahead() {
    if (first_status_ || ahead_.valid()) {
        return;
    }
    try {
        ahead_ = std::async(std::launch::async, [name = QFile::encodeName(path_).toStdString()] {
            return torvane::Catalogue::load(name);
        });
    } catch (const std::system_error&) {
        // read_once() reads on this thread.
    }
}

torvane::ReadStatus CatalogueFile::read_once() {
    if (!first_status_) {
        if (ahead_.valid()) {
            take(ahead_.get(), path_);
        } else {
            read(path_);
        }
    }
    return *first_status_;
}

torvane::ReadStatus CatalogueFile::read(const QString& path) {
    // A reading begun ahead is the first, even when another file is asked for before it ends.
    if (ahead_.valid()) {
        read_once();
    }
    const QString file_path = catalogue_file_path(path);
    return take(torvane::Catalogue::load(QFile::encodeName(file_path).toStdString()), file_path);
}

torvane::ReadStatus CatalogueFile::take(torvane::LoadResult loaded, const QString& file_path) {
    first_status_ = first_status_.value_or(loaded.status);
    if (loaded.status == torvane::ReadStatus::read) {
        path_ = file_path;
        catalogue_ = std::make_shared<const torvane::Catalogue>(std::move(loaded.catalogue));
    }
    return loaded.status;
}
