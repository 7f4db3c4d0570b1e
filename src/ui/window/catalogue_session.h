#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "catalogue/catalogue.h"
#include "catalogue/read_status.h"
#include "ui/app/catalogue_file.h"
#include "ui/app/catalogue_watcher.h"

class QAction;
class QWidget;

// The catalogue file the window shows, and everything that reads it: the first reading at
// start-up, Ctrl+O and a file dropped on the window to open another, F5 to read it again,
// and a reading of its own whenever the file changes on disk (once no modal box is open). A
// file that cannot be read leaves the shown catalogue as it is and says why in a message box.
class CatalogueSession : public QObject {
    Q_OBJECT
public:
    CatalogueSession(CatalogueFile file, QWidget* window);

    // Reads the file the first time (the program may have read it already to report a
    // failure before the window opened) and watches it; how that reading went.
    torvane::ReadStatus read_first();
    // Reads another catalogue file (or a folder's archive.dat) in place of the shown one;
    // true when it was read.
    bool open(const QString& path);
    // Reads the shown file again, in the same way.
    bool reload();

    const std::shared_ptr<const torvane::Catalogue>& catalogue() const { return file_.catalogue(); }
    // The catalogue file shown, or looked for: absolute.
    const QString& path() const { return file_.path(); }
    // The window's title: the program's, and the file's name when it is not ./archive.dat.
    QString title() const;

    // The catalogue read last, in this run or, until one is, in the one remembered; the file
    // dialog opens in its folder.
    const QString& last_catalogue() const { return last_catalogue_; }
    void remember_last_catalogue(const QString& path) { last_catalogue_ = path; }

signals:
    // A new reading replaced the shown catalogue, previous: a reading of the same file again
    // (F5, a change on disk, or the file opened again) or of another one.
    void catalogue_replaced(const std::shared_ptr<const torvane::Catalogue>& previous,
                            bool same_file);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QAction* add_command(const char* name, const QString& text, const QKeySequence& keys);
    void on_open();
    void reload_when_free();

    QWidget* window_;
    CatalogueFile file_;
    CatalogueWatcher watcher_;
    QString last_catalogue_;
    bool reload_pending_ = false;
    // Whether the catalogue shown was read from a file, rather than none could be.
    bool shows_a_reading_ = false;
};
