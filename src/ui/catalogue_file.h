#pragma once

#include <memory>
#include <optional>

#include <QString>

#include "catalogue/catalogue.h"
#include "catalogue/read_status.h"

// The catalogue the window shows and the file it comes from. The application owns it and
// hands it to the window. Reading a file replaces the catalogue only when the file was read;
// whatever still shows the old one's records shares it and keeps it.
class CatalogueFile {
public:
    // archive.dat in the current folder, as the program reads it at start-up.
    CatalogueFile();
    // A file, or a folder holding archive.dat, named by the user.
    explicit CatalogueFile(const QString& path);

    const torvane::Catalogue& catalogue() const { return *catalogue_; }
    const std::shared_ptr<const torvane::Catalogue>& shared_catalogue() const { return catalogue_; }
    // The file that was read, or that will be read: absolute.
    const QString& path() const { return path_; }
    // Whether that is archive.dat in the current folder.
    bool is_default() const;

    // Reads path() the first time it is called; later calls tell how that reading went.
    torvane::ReadStatus read_once();
    // Reads the file at path (or archive.dat in the folder at path). When it was read, its
    // records replace the catalogue and path() becomes that file; otherwise nothing changes,
    // and the status says why.
    torvane::ReadStatus read(const QString& path);
    // Reads path() again.
    torvane::ReadStatus reread() { return read(path_); }

private:
    std::shared_ptr<const torvane::Catalogue> catalogue_ =
        std::make_shared<const torvane::Catalogue>();
    QString path_;
    std::optional<torvane::ReadStatus> first_status_;
};

// The catalogue the program opens at start-up: the file (or folder) named on the command line;
// else archive.dat in the current folder, when there is one; else the catalogue read last
// time, when there was one, even if it is gone, so that the empty window names it; else
// archive.dat in the current folder.
CatalogueFile startup_catalogue(const QString& named, const QString& remembered);

// The file a path names: the path itself, or archive.dat inside it when it is a folder.
QString catalogue_file_path(const QString& path);

// Why a catalogue file was not read, in one Italian phrase ("il file non esiste").
QString read_failure_reason(torvane::ReadStatus status);

// The message for a catalogue file that could not be read, and why.
QString read_failure_message(const QString& file_path, torvane::ReadStatus status);
