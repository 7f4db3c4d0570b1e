#pragma once

#include <QApplication>

// The application: opens the one window on a catalogue and ends when it closes.
class DatabaseApp : public QApplication {
    Q_OBJECT
public:
    DatabaseApp(int& argc, char** argv);

    // Shows the main window on the catalogue file (or a folder's archive.dat) named on the
    // command line, else on archive.dat in the current folder, else on the catalogue read
    // last time, until the window is closed; the exit status. The window returns as the
    // user's settings remember it, and remembers itself there when closed.
    int run(const QString& file = QString());

private:
    QString screenshot_path_;
};
