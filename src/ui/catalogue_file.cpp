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

QString read_failure_message(const QString& file_path, const QString& why) {
    return QStringLiteral("Impossibile leggere il catalogo %1: %2.")
        .arg(QDir::toNativeSeparators(file_path), why);
}

QString unreadable_reason(const QString& file_path) {
    const QFileInfo info(file_path);
    if (!info.exists()) {
        return QStringLiteral("il file non esiste");
    }
    if (!info.isFile()) {
        return QStringLiteral("non è un file ordinario");
    }
    QFile file(file_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.error() == QFileDevice::PermissionsError
                   ? QStringLiteral("non si ha il permesso di leggerlo")
                   : QStringLiteral("non si riesce ad aprirlo");
    }
    return {};
}

QString read_failure_reason(const QString& file_path) {
    const QString why = unreadable_reason(file_path);
    return why.isEmpty() ? QStringLiteral("non si riesce a leggerlo") : why;
}

CatalogueFile::CatalogueFile() : items_(std::make_unique<ItemList>()), path_(default_path()) {
}

CatalogueFile::CatalogueFile(const QString& path)
    : items_(std::make_unique<ItemList>()), path_(catalogue_file_path(path)) {
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

std::unique_ptr<ItemList> CatalogueFile::read(const QString& path, QString& why) {
    const QString file_path = catalogue_file_path(path);
    auto fresh = std::make_unique<ItemList>();
    if (fresh->load(QFile::encodeName(file_path).toStdString()) != 0) {
        why = read_failure_reason(file_path);
        return nullptr;
    }
    path_ = file_path;
    std::swap(items_, fresh);
    return fresh;
}
