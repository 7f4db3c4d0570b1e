#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when a catalogue file has changed on disk, once the changes have settled. Editors
// that save by writing a new file and renaming it over the old one count too: the folder is
// watched as well as the file.
class CatalogueWatcher : public QObject {
    Q_OBJECT
public:
    explicit CatalogueWatcher(QObject* parent = nullptr);

    // Watches this file from now on, in place of any other. Its present state counts as seen.
    void watch(const QString& file_path);
    // The file's present state counts as seen: only later changes are told.
    void mark_seen();

signals:
    // The file exists and differs from what was last seen.
    void changed();

private:
    // Size, modification time and identity of the file; all zero when it does not exist.
    struct Stamp {
        bool exists = false;
        long long size = 0;
        long long modified_ns = 0;
        unsigned long long inode = 0;
        bool operator==(const Stamp&) const = default;
    };

    static Stamp stamp_of(const QString& file_path);
    void on_event();
    void on_settled();

    QFileSystemWatcher watcher_;
    QTimer settle_timer_;
    QString path_;
    Stamp seen_;
};
