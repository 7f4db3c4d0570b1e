#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QDialog>

#include "form_exchange.h"
#include "items/category_table.h"
#include "query/catalogue_view.h"
#include "query/page_lines.h"
#include "stretch_layout.h"

class CatalogueFile;
class ChartWindow;
class CatalogueWatcher;
class FocusEdit;
class LineListView;
class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabBar;
class ReadableLabel;
class SpinButton;
class TabFrame;
class WindowSettings;

// The members the form exchange fills: every bound of the filter panel, the search text and
// the three texts the window shows. Texts are Windows-1252, but for the description, which
// may hold the program's own message naming a file, and so is Unicode.
struct DialogForm {
    std::int32_t strength_max = 0;
    std::int32_t intelligence_max = 0;
    std::int32_t level_max = 0;
    std::int32_t resistance_max = 0;
    std::int32_t wisdom_max = 0;
    std::int32_t agility_max = 0;
    std::int32_t attack_max = 0;
    std::int32_t agility_min = 0;
    std::int32_t attack_min = 0;
    std::int32_t strength_min = 0;
    std::int32_t intelligence_min = 0;
    std::int32_t level_min = 0;
    std::int32_t resistance_min = 0;
    std::int32_t wisdom_min = 0;
    std::string search_text;
    std::string loaded_text;
    std::string found_text;
    QString description_text;
};

// The one window: six tabbed lists of the catalogue by category, the description of the
// selected line, and the filter, search and sort controls. It works on its members and
// exchanges the whole form with the controls at once. The catalogue is the caller's, and
// must outlive the window.
class MainDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int page_count = torvane::page_count;
    static constexpr int stat_row_count = 7;

    explicit MainDialog(CatalogueFile& catalogue, QWidget* parent = nullptr);
    ~MainDialog() override;

    // Shows the window and returns when it is closed. The window is an ordinary top-level
    // window: it blocks no other.
    int do_modal();

    const DialogForm& form() const { return form_; }
    torvane::SortMode sort_mode() const { return sort_mode_; }

    // Reads (true) or writes (false) the whole form.
    bool update_data(bool save_and_validate);

    // Shows the list of the page and hides the others; always 0.
    int show_page(int page);
    // Empties the six lists and refills them from the view, which stays the caller's.
    void fill_lists(std::span<const torvane::Item* const> view);

    void on_filter();
    void on_search();
    void on_sort_choice(torvane::SortMode mode);
    void on_list_select(int page);
    void on_list_double_click(int page);
    void on_tab_change();
    void default_to_filter();
    void default_to_search();
    void on_key_down(QKeyEvent* event);

    // Reads another catalogue file (or a folder's archive.dat) in place of the one shown,
    // keeping what the window shows; a file that cannot be read leaves everything as it was
    // and says why in a message box. True when it was read.
    bool open_catalogue(const QString& path);
    // Reads the shown file again, in the same way.
    bool reload_catalogue();
    // Asks for a file to open.
    void on_open();
    // The catalogue file shown, or looked for.
    const QString& catalogue_path() const;
    // Asks for a file and writes what the lists show there as CSV, all six pages in their
    // order; does nothing when they show nothing.
    void on_export();
    // Writes what the lists show to target as CSV, never over the catalogue file; a write
    // that fails leaves target as it was and says why in a message box. True when written.
    bool export_lists_to(const QString& target);

    // Opens the chart of the page on show, or brings it to the front.
    void show_chart();
    // The chart's window, once opened; null before.
    ChartWindow* chart_window() const;

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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct StatRow {
        QLabel* label = nullptr;
        FocusEdit* min_edit = nullptr;
        SpinButton* min_spin = nullptr;
        FocusEdit* max_edit = nullptr;
        SpinButton* max_spin = nullptr;
    };
    // A line by what it shows, so that it can be found again in another catalogue.
    struct PickedLine {
        std::size_t page = 0;
        torvane::PageLines::Key key;
    };

    // Start-up: loads the catalogue and shows it; runs once, before the window appears.
    void on_init_dialog();
    void create_controls();
    void create_stat_rows();
    void create_filter_controls();
    void create_pages();
    void create_header();
    void create_description();
    void bind_form();
    void connect_events();
    void create_shortcuts();
    void create_list_menu();
    void show_list_menu(LineListView* list, const QPoint& at);
    QAction* create_export_action();
    // The records of the lists' item lines, page after page, each in its lines' order.
    std::vector<const torvane::Item*> shown_records() const;
    // Whether the lists show any item (a header line never stands alone).
    bool shows_items() const;
    // The action that opens the chart, its keys active in the whole window; the lists'
    // selections are linked to the chart's mark.
    QAction* link_chart();
    // Shows the page on show in the chart, if its window is open.
    void update_chart();
    void mark_selected_in_chart();
    // Selects the item picked in the chart as a click in the list would.
    void on_chart_pick(quint32 row);
    void describe_controls();
    void set_spin_ranges();
    // Places every control for the window's size: the designed places at the designed size,
    // the extra room given to the lists and the description.
    void place_controls();

    // Narrows, sorts and shows the catalogue as the query asks, and remembers the query.
    void show_query(const torvane::ViewQuery& query);
    // Shows the catalogue that replaced old: the last query again, the same selections where
    // the same items are still there, the boxes as they were, and the line last picked as it
    // reads now; old goes last.
    void show_replaced_catalogue();
    // Puts the line last picked into the description as the lists now show it, or empties
    // the description when they no longer show that line.
    void describe_picked_line_again();
    void update_title();
    // Reads the file again once no modal box is open.
    void reload_when_free();
    // Shows the page step places on, round the six.
    void switch_page(int step);
    // The page and the sort order the settings remember, in place of the designed ones.
    void recall_page_and_order();
    void save_memory();

    template <typename Widget>
    Widget* place(Widget* widget, int x, int y, int width, int height, const char* name,
                  StretchLayout::Stretch stretch = StretchLayout::Stretch::none);
    void place_tab_control();

    CatalogueFile& catalogue_;
    CatalogueWatcher* watcher_;
    DialogForm form_;
    torvane::SortMode sort_mode_ = torvane::sort_by_name;
    torvane::ViewQuery shown_query_;
    // The catalogue's records as the queries select and sort them.
    torvane::CatalogueView view_;
    FormExchange exchange_;
    bool initialised_ = false;
    bool showing_hint_ = false;
    // The line the description shows, kept across refills as the description is.
    std::optional<PickedLine> picked_line_;
    bool reload_pending_ = false;
    StretchLayout layout_;
    WindowSettings* settings_ = nullptr;
    // The catalogue read last, in this run or, until one is, in the one remembered.
    QString last_catalogue_;

    std::array<StatRow, stat_row_count> rows_{};
    QCheckBox* min_check_ = nullptr;
    QCheckBox* max_check_ = nullptr;
    QPushButton* filter_button_ = nullptr;
    QLabel* search_label_ = nullptr;
    FocusEdit* search_edit_ = nullptr;
    QPushButton* search_button_ = nullptr;
    QGroupBox* sort_group_ = nullptr;
    std::array<QRadioButton*, 3> sort_radios_{};
    QGroupBox* description_group_ = nullptr;
    ReadableLabel* description_label_ = nullptr;
    QScrollArea* description_scroll_ = nullptr;
    TabFrame* tab_frame_ = nullptr;
    QTabBar* tab_bar_ = nullptr;
    std::array<LineListView*, page_count> lists_{};
    // The lists' context menu, in its order.
    std::vector<QAction*> list_menu_actions_;
    QLabel* caption_label_ = nullptr;
    QLabel* banner_ = nullptr;
    ReadableLabel* loaded_label_ = nullptr;
    ReadableLabel* found_label_ = nullptr;
    QPushButton* exit_button_ = nullptr;
    ChartWindow* chart_window_ = nullptr;
};
