#pragma once

#include <QApplication>

#include "catalogue/item_list.h"

// Every item loaded from the archive; it lives for the whole run, and every list the window
// shows shares its records.
extern ItemList catalogue;

// The application: runs the one window modally and ends when it closes.
class DatabaseApp : public QApplication {
    Q_OBJECT
public:
    DatabaseApp(int& argc, char** argv);

    // Shows the main window until it is closed; the exit status.
    int run();

private:
    QString screenshot_path_;
};
