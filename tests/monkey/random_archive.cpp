#include "random_archive.h"

#include <array>

#include <QDir>
#include <QFile>

namespace {

// Headers of every kind the loader knows, in the spellings an archive may use, and two it
// does not know.
constexpr std::array<const char*, 14> section_headers = {
    "[armi]",     "[Scudi]",       "  [ARMATURE]  ", "[veste nera]", "[elmo]",
    "[archi]",    "[frecce]",      "[anelli]",       "[bracciali]",  "[abilit\xE0]",
    "[abilita']", "[incantesimi]", "[sconosciuto]",  "[armi] x"};

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<QByteArray> read_folder(const QString& folder) {
    std::vector<QByteArray> contents;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        contents.push_back(read_file(dir.filePath(name)));
    }
    return contents;
}

} // namespace

RandomArchive::RandomArchive(const QString& source_dir) {
    const QDir root(source_dir);
    std::vector<QByteArray> files =
        read_folder(root.filePath(QStringLiteral("fuzz/corpus/load_archive")));
    files.push_back(read_file(root.filePath(QStringLiteral("examples/archive.dat"))));
    for (const QByteArray& file : files) {
        if (!file.isEmpty()) {
            archives_.push_back(file.split('\n'));
        }
    }
    for (QByteArray& line : read_folder(root.filePath(QStringLiteral("fuzz/corpus/parse_line")))) {
        if (!line.isEmpty()) {
            data_lines_.push_back(std::move(line));
        }
    }
}

std::optional<QByteArray> RandomArchive::make(MonkeyRandom& random) const {
    const int kind = random.below(20);
    if (kind == 0) {
        return std::nullopt;
    }
    if (kind == 1 || !ready()) {
        return QByteArray();
    }
    QList<QByteArray> lines;
    const int pieces = random.between(1, 4);
    for (int piece = 0; piece < pieces; ++piece) {
        if (random.percent(60)) {
            append_slice(random, lines);
        } else {
            append_section(random, lines);
        }
    }
    return lines.join(random.percent(50) ? QByteArray("\n") : QByteArray("\r\n"));
}

void RandomArchive::append_slice(MonkeyRandom& random, QList<QByteArray>& lines) const {
    const QList<QByteArray>& source =
        archives_[static_cast<std::size_t>(random.below(static_cast<int>(archives_.size())))];
    const int size = static_cast<int>(source.size());
    if (random.percent(50)) {
        lines += source;
        return;
    }
    const int first = random.below(size);
    const int count = random.between(1, size - first);
    lines += source.mid(first, count);
}

void RandomArchive::append_section(MonkeyRandom& random, QList<QByteArray>& lines) const {
    lines.append(QByteArray(section_headers[static_cast<std::size_t>(
        random.below(static_cast<int>(section_headers.size())))]));
    const int count = random.between(1, 6);
    for (int i = 0; i < count; ++i) {
        lines.append(data_lines_[static_cast<std::size_t>(
            random.below(static_cast<int>(data_lines_.size())))]);
    }
}
