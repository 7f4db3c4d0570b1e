#pragma once

#include <QString>

#include "monkey_random.h"

class RandomArchive;

// The catalogue files of a session besides archive.dat, in the session's folder: another
// archive, an empty file, a folder holding an archive.dat, and a name that no file has. The
// user opens them by the file dialog, by dropping them, or names them on the command line.
class SessionFiles {
public:
    SessionFiles(QString directory, const RandomArchive& archives);

    // The session's folder, where the user may also write files of his own.
    const QString& directory() const { return directory_; }
    // Writes the files afresh; false when one could not be written.
    bool write(MonkeyRandom& random) const;
    // One of the names, archive.dat included; only existing files when files_only.
    QString pick(MonkeyRandom& random, bool files_only) const;
    // Writes a new random version of the file: in place, or as an editor that saves by
    // writing a new file and renaming it over the old one.
    bool save_version(const QString& path, MonkeyRandom& random) const;

private:
    QString directory_;
    const RandomArchive& archives_;
};
