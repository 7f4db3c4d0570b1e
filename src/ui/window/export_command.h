#pragma once

#include <QObject>
#include <QString>

class CatalogueSession;
class PageLists;
class QAction;
class QWidget;

// Esporta elenco…: writes what the lists show, all six pages in their order, as CSV to a file
// the user names (Ctrl+S, or the lists' menu); disabled while the lists show no item. It never
// writes over the catalogue shown, and a write that fails leaves the file as it was and says
// why in a message box.
class ExportCommand : public QObject {
    Q_OBJECT
public:
    ExportCommand(const PageLists& lists, const CatalogueSession& session, QWidget* window);

    QAction* action() const { return action_; }
    // Writes what the lists show to target; true when written.
    bool export_to(const QString& target);

private:
    // Asks for a file, then writes there.
    void on_export();

    const PageLists& lists_;
    const CatalogueSession& session_;
    QWidget* window_;
    QAction* action_;
};
