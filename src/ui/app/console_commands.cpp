#include "console_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "catalogue/catalogue.h"
#include "catalogue/load_findings.h"
#include "check/archive_check.h"
#include "compare/comparison.h"
#include "compare/comparison_report.h"
#include "export/csv_export.h"
#include "query/catalogue_view.h"
#include "query/page_lines.h"
#include "ui/app/app_identity.h"
#include "ui/app/catalogue_file.h"

namespace {

// The file as the user wrote it, as a compiler names the files it reports on.
std::string name_as_given(const QString& file) {
    return (QFileInfo(file).isDir() ? QDir(file).filePath(QStringLiteral("archive.dat")) : file)
        .toStdString();
}

int unreadable(const QString& file, torvane::ReadStatus status, std::ostream& err) {
    err << program_name << ": " << name_as_given(file) << ": "
        << read_failure_reason(status).toStdString() << '\n';
    return 2;
}

// Counts the lines a load drops or ignores.
class RejectionCount final : public torvane::LoadSink {
public:
    void found(const torvane::Finding& finding) override {
        rejected += torvane::is_rejection(finding.kind) ? 1 : 0;
    }
    std::size_t rejected = 0;
};

} // namespace

int check_catalogue(const QString& file, std::ostream& out, std::ostream& err) {
    const QString path = catalogue_file_path(file);
    const torvane::ArchiveCheck result =
        torvane::check_archive(QFile::encodeName(path).toStdString());
    if (result.status != torvane::ReadStatus::read) {
        return unreadable(file, result.status, err);
    }
    torvane::write_check_report(result, name_as_given(file), out);
    return result.rejected() > 0 ? 1 : 0;
}

int export_catalogue(const QString& file, std::ostream& out, std::ostream& err) {
    RejectionCount rejections;
    torvane::LoadResult loaded = torvane::Catalogue::load(
        QFile::encodeName(catalogue_file_path(file)).toStdString(), &rejections);
    if (loaded.status != torvane::ReadStatus::read) {
        return unreadable(file, loaded.status, err);
    }
    const auto catalogue = std::make_shared<const torvane::Catalogue>(std::move(loaded.catalogue));
    // As the window first shows it: the whole catalogue by name, page after page.
    torvane::CatalogueView view;
    view.set_catalogue(catalogue);
    const auto pages = torvane::group_into_pages(view.show(torvane::ViewQuery{}));
    torvane::write_csv(torvane::records_of(pages), [&out](std::string_view piece) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    });
    out.flush();
    if (!out) {
        err << program_name << ": scrittura non riuscita\n";
        return 2;
    }
    return rejections.rejected > 0 ? 1 : 0;
}

int compare_catalogue_files(const QString& before, const QString& after, ComparisonForm form,
                            std::ostream& out, std::ostream& err) {
    const auto load = [](const QString& file) {
        return torvane::Catalogue::load(QFile::encodeName(catalogue_file_path(file)).toStdString());
    };
    const torvane::LoadResult old_reading = load(before);
    if (old_reading.status != torvane::ReadStatus::read) {
        return unreadable(before, old_reading.status, err);
    }
    const torvane::LoadResult new_reading = load(after);
    if (new_reading.status != torvane::ReadStatus::read) {
        return unreadable(after, new_reading.status, err);
    }
    const torvane::CatalogueComparison comparison =
        torvane::compare_catalogues(old_reading.catalogue, new_reading.catalogue);
    if (form == ComparisonForm::csv) {
        torvane::write_comparison_csv(comparison, [&out](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        });
    } else {
        torvane::write_comparison_text(comparison, out);
    }
    out.flush();
    if (!out) {
        err << program_name << ": scrittura non riuscita\n";
        return 2;
    }
    return comparison.same() ? 0 : 1;
}
