#pragma once

#include <memory>

#include <QString>

#include "catalogue/item_list.h"

// The catalogue the window shows and the file it comes from. The application owns it and
// hands it to the window. Reading a file replaces the catalogue only when the file was read,
// and gives the old catalogue back, so that the window can let go of its records first.
class CatalogueFile {
public:
    // archive.dat in the current folder, as the program reads it at start-up.
    CatalogueFile();
    // A file, or a folder holding archive.dat, named by the user.
    explicit CatalogueFile(const QString& path);

    ItemList& items() { return *items_; }
    const ItemList& items() const { return *items_; }
    // The file that was read, or that will be read: absolute.
    const QString& path() const { return path_; }
    // Whether that is archive.dat in the current folder.
    bool is_default() const;

    // Reads the file at path (or archive.dat in the folder at path). When it was read, its
    // items replace the catalogue, path() becomes that file, and the old catalogue is
    // returned; the caller releases it once nothing shows its records. Otherwise nothing
    // changes, nullptr is returned and why says, in one Italian phrase, what went wrong.
    std::unique_ptr<ItemList> read(const QString& path, QString& why);
    // Reads path() again.
    std::unique_ptr<ItemList> reread(QString& why) { return read(path_, why); }

private:
    std::unique_ptr<ItemList> items_;
    QString path_;
};

// The catalogue the program opens at start-up: the file (or folder) named on the command line;
// else archive.dat in the current folder, when there is one; else the catalogue read last
// time, when there was one, even if it is gone, so that the empty window names it; else
// archive.dat in the current folder.
CatalogueFile startup_catalogue(const QString& named, const QString& remembered);

// The file a path names: the path itself, or archive.dat inside it when it is a folder.
QString catalogue_file_path(const QString& path);

// The message for a catalogue file that could not be read, and why.
QString read_failure_message(const QString& file_path, const QString& why);

// Why the file cannot be read, in one Italian phrase ("il file non esiste"); empty when it
// looks readable.
QString unreadable_reason(const QString& file_path);

// Why a file that failed to load could not be read: unreadable_reason, or, when the file
// looked readable, a general phrase.
QString read_failure_reason(const QString& file_path);
