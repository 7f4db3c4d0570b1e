#pragma once

#include <QDialog>

#include "query/catalogue_view.h"
#include "ui/widgets/stretch_layout.h"

class CatalogueFile;
class CatalogueSession;
class ChartLink;
class DescriptionBox;
class ExportCommand;
class FilterPanel;
class HeaderPanel;
class PageLists;
class WindowSettings;

// The one window: six tabbed lists of the catalogue by category, the description of the line
// picked last, the filter, search and sort controls, and the counters. It places the parts
// that own those controls, in the designed order (which is also the tab order), and carries
// what one asks of another: a query from the filter panel to the lists and the counters, a
// picked line to the description, a new reading of the catalogue to all of them.
class MainDialog : public QDialog {
    Q_OBJECT
public:
    explicit MainDialog(CatalogueFile catalogue, QWidget* parent = nullptr);
    ~MainDialog() override;
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    // Shows the window and returns when it is closed. The window is an ordinary top-level
    // window: it blocks no other.
    int do_modal();
    // Opens as the settings remember the last run (size and place, page, sort order; the
    // file dialog in the last catalogue's folder), and remembers the window there when it is
    // closed, with the last catalogue read. Called before the window is shown; without it
    // the window opens as designed and keeps nothing.
    void remember_in(WindowSettings& settings);

signals:
    // A catalogue file was read and its items are shown: at start-up, or in place of others.
    void catalogue_read();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connect_parts();
    // Start-up: reads the catalogue and shows it; runs once, before the window appears.
    void on_init_dialog();
    // Narrows, sorts and shows the catalogue as the query asks, and remembers the query.
    void show_query(const torvane::ViewQuery& query);
    // Shows a new reading of the catalogue: the last query again, the same lines selected
    // where they are still there, the boxes as the user left them.
    void show_new_reading();
    void recall_page_and_order();
    void save_memory();

    StretchLayout layout_;
    FilterPanel* filter_;
    DescriptionBox* description_;
    PageLists* lists_;
    HeaderPanel* header_;
    CatalogueSession* session_;
    ChartLink* chart_;
    ExportCommand* export_;
    // The catalogue's items as the queries select and sort them.
    torvane::CatalogueView view_;
    torvane::ViewQuery shown_query_;
    WindowSettings* settings_ = nullptr;
    bool initialised_ = false;
};
