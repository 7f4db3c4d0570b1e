#pragma once

#include <QString>
#include <QWidget>

class QAction;

// Guida: the program's help in a window of its own, in Italian: what it does, every key and
// mouse action, and where the settings live. Screen readers read it as a document. Esc
// closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The F1 command of the window, which opens the help beside it, or brings it to the front.
    static QAction* add_command(QWidget* window);

    explicit HelpWindow(QWidget* parent = nullptr);
};
