#include "list_export.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "export/csv_export.h"

namespace {

// Whether writing target would write the catalogue: the same file by another name (a link,
// "..", a relative path) counts too.
bool is_catalogue(const QString& target, const QString& catalogue_file) {
    const QString existing = QFileInfo(target).canonicalFilePath();
    return !existing.isEmpty() && existing == QFileInfo(catalogue_file).canonicalFilePath();
}

} // namespace

ListExportResult export_records(std::span<const torvane::Item* const> records,
                                const QString& target, const QString& catalogue_file) {
    if (is_catalogue(target, catalogue_file)) {
        return {ListExportStatus::catalogue_file, {}};
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return {ListExportStatus::write_failed, file.errorString()};
    }
    // A piece that fails to go out fails the commit, which then drops the temporary file.
    torvane::write_csv(records, [&file](std::string_view piece) {
        file.write(piece.data(), static_cast<qint64>(piece.size()));
    });
    if (!file.commit()) {
        return {ListExportStatus::write_failed, file.errorString()};
    }
    return {};
}

QString list_export_message(const QString& target, const ListExportResult& result) {
    const QString name = QDir::toNativeSeparators(target);
    switch (result.status) {
    case ListExportStatus::written:
        break;
    case ListExportStatus::catalogue_file:
        return QStringLiteral("Impossibile esportare l'elenco in %1: è il file del catalogo "
                              "aperto, che l'esportazione non sovrascrive.")
            .arg(name);
    case ListExportStatus::write_failed:
        return QStringLiteral("Impossibile esportare l'elenco in %1: %2.").arg(name, result.reason);
    }
    return {};
}
