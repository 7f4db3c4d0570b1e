#include "session_files.h"

#include <array>
#include <utility>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "random_archive.h"

namespace {

constexpr std::array<const char*, 5> names = {"archive.dat", "altro.dat", "vuoto.dat", "cartella",
                                              "manca.dat"};
constexpr std::size_t files_count = 3; // the names that are files, first in the list

bool write_file(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

} // namespace

SessionFiles::SessionFiles(QString directory, const RandomArchive& archives)
    : directory_(std::move(directory)), archives_(archives) {
}

bool SessionFiles::write(MonkeyRandom& random) const {
    const QDir folder(directory_);
    QFile::remove(folder.filePath(QStringLiteral("manca.dat")));
    return write_file(folder.filePath(QStringLiteral("altro.dat")),
                      archives_.make(random).value_or(QByteArray())) &&
           write_file(folder.filePath(QStringLiteral("vuoto.dat")), QByteArray()) &&
           folder.mkpath(QStringLiteral("cartella")) &&
           write_file(folder.filePath(QStringLiteral("cartella/archive.dat")),
                      archives_.make(random).value_or(QByteArray()));
}

QString SessionFiles::pick(MonkeyRandom& random, bool files_only) const {
    const int count = files_only ? static_cast<int>(files_count) : static_cast<int>(names.size());
    return QDir(directory_)
        .filePath(QString::fromLatin1(names[static_cast<std::size_t>(random.below(count))]));
}

bool SessionFiles::save_version(const QString& path, MonkeyRandom& random) const {
    const QByteArray content = archives_.make(random).value_or(QByteArray());
    if (random.percent(50)) {
        return write_file(path, content);
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}
