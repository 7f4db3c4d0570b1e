#pragma once

#include <memory>

#include <QObject>

#include "catalogue/catalogue.h"

class CatalogueSession;
class HeaderPanel;
class PageLists;
class QWidget;

// What a new reading of the shown file changed (F5, the file changed on disk, or the same file
// opened again): the lines of the items added or changed since the reading before are marked
// in the lists, and a summary ("2 nuovi, 1 cambiato, 1 tolto") takes the caption line, where
// screen readers hear it. Both stay until the next reading; another file clears them.
class ChangeMarks : public QObject {
    Q_OBJECT
public:
    ChangeMarks(const CatalogueSession& session, PageLists& lists, HeaderPanel& header,
                QWidget* window);

private:
    void on_reading(const std::shared_ptr<const torvane::Catalogue>& previous, bool same_file);

    const CatalogueSession& session_;
    PageLists& lists_;
    HeaderPanel& header_;
};
