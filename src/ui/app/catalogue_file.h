#pragma once

#include <future>
#include <memory>
#include <optional>

#include <QString>

#include "catalogue/catalogue.h"
#include "catalogue/read_status.h"

// The catalogue the window shows and the file it comes from. Reading a file replaces the
// catalogue only when the file was read. The catalogue is shared: whatever shows its records
// holds it, so the one replaced lives on until nothing shows it any more.
class CatalogueFile {
public:
    // archive.dat in the current folder, as the program reads it at start-up.
    CatalogueFile();
    // A file, or a folder holding archive.dat, named by the user.
    explicit CatalogueFile(const QString& path);

    // Never null: an empty catalogue until a file is read.
    const std::shared_ptr<const torvane::Catalogue>& catalogue() const { return catalogue_; }
    // The file that was read, or that will be read: absolute.
    const QString& path() const { return path_; }
    // Whether that is archive.dat in the current folder.
    bool is_default() const;

    // Starts reading path() on a thread of its own, for read_once() to wait for: the window
    // is built meanwhile. Where no thread can be had, read_once() reads as before.
    void read_ahead();
    // Reads path() the first time it is called; later calls tell how that reading went.
    torvane::ReadStatus read_once();
    // Reads the file at path (or archive.dat in the folder at path). When it was read, its
    // records replace the catalogue and path() becomes that file; otherwise nothing changes.
    // Either way, the answer says how the reading went.
    torvane::ReadStatus read(const QString& path);

private:
    torvane::ReadStatus take(torvane::LoadResult loaded, const QString& file_path);

    std::shared_ptr<const torvane::Catalogue> catalogue_;
    QString path_;
    std::optional<torvane::ReadStatus> first_status_;
    std::future<torvane::LoadResult> ahead_;
};

// The catalogue the program opens at start-up, already being read ahead: the file (or folder)
// named on the command line; else archive.dat in the current folder, when there is one; else
// the catalogue read last time, when there was one, even if it is gone, so that the empty
// window names it; else archive.dat in the current folder.
CatalogueFile startup_catalogue(const QString& named, const QString& remembered);

// The file a path names: the path itself, or archive.dat inside it when it is a folder.
QString catalogue_file_path(const QString& path);

// Why a catalogue file was not read, in one Italian phrase ("il file non esiste").
QString read_failure_reason(torvane::ReadStatus status);

// The message for a catalogue file that could not be read, and why.
QString read_failure_message(const QString& file_path, torvane::ReadStatus status);
