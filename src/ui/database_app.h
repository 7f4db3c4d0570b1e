#pragma once

#include <QApplication>

// The application: opens the one window on a catalogue and ends when it closes.
class DatabaseApp : public QApplication {
    Q_OBJECT
public:
    DatabaseApp(int& argc, char** argv);

    // Shows the main window on the catalogue file (or a folder's archive.dat) named on the
    // command line, or on archive.dat in the current folder when none is, until the window
    // is closed; the exit status.
    int run(const QString& file = QString());

private:
    QString screenshot_path_;
};
