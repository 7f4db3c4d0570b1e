#include "catalogue_file.h"

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

CatalogueFile::CatalogueFile() : path_(default_path()) {
}

CatalogueFile::CatalogueFile(const QString& path) : path_(catalogue_file_path(path)) {
}

CatalogueFile startup_catalogue(const QString& named, const QString& remembered) {
    if (!named.isEmpty()) {
        return CatalogueFile(named);
    }
    if (remembered.isEmpty() || QFileInfo::exists(default_path())) {
        return {};
    }
    return CatalogueFile(remembered);
}

bool CatalogueFile::is_default() const {
    return QFileInfo(path_) == QFileInfo(default_path());
}

torvane::ReadStatus CatalogueFile::read_once() {
    if (!first_status_) {
        first_status_ = read(path_);
    }
    return *first_status_;
}

torvane::ReadStatus CatalogueFile::read(const QString& path) {
    const QString file_path = catalogue_file_path(path);
    torvane::LoadResult loaded =
        torvane::Catalogue::load(QFile::encodeName(file_path).toStdString());
    first_status_ = first_status_.value_or(loaded.status);
    if (loaded.status == torvane::ReadStatus::read) {
        path_ = file_path;
        catalogue_ = std::make_shared<const torvane::Catalogue>(std::move(loaded.catalogue));
    }
    return loaded.status;
}
