#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <QObject>
#include <QRect>
#include <QString>

#include "catalogue/catalogue.h"
#include "compare/record_changes.h"
#include "items/category_table.h"
#include "query/page_lines.h"

class LineListView;
class QAction;
class QPoint;
class QTabBar;
class QWidget;
class StretchLayout;

// The six tabbed page lists: the tab bar on its frame, one list per page of which only the
// page on show is visible, and the line the user picked last, which the description shows.
// A list is filled from a view sorted by category, a header line where each category's items
// begin. Double-clicking a line shows it in a message box; Ctrl+C copies it; the lists'
// context menu holds Copia and whatever other parts add; Ctrl+Tab and Ctrl+Page Down (with
// Shift, or Ctrl+Page Up, backwards) change the page from anywhere in the window.
class PageLists : public QObject {
    Q_OBJECT
public:
    static constexpr int page_count = torvane::page_count;

    PageLists(QWidget* window, StretchLayout& layout);

    // Empties the six lists and shows the view's items on their pages; no line stays selected.
    void show_view(const torvane::CatalogueOrder& view);
    // The same for a view of another reading: each list selects again, quietly, the line it had
    // selected where it still shows it, and the line picked last is told again as it reads now,
    // or as gone.
    void show_view_again(const torvane::CatalogueOrder& view);

    int current_page() const;
    void set_current_page(int page);
    // The focus to the tab bar and the page's tab selected, as a key that picks a page does.
    void focus_tab(int page);
    // The focus to the list of the page on show.
    void focus_list();
    // Leaves so many pixels at the bottom of the lists' rectangle to a bar over it.
    void reserve_bottom(int height);
    // The page's name as its tab reads, without the mnemonic's mark.
    QString page_title(int page) const;

    // The lines a page shows, which keep their records alive for as long as they are held.
    std::shared_ptr<const torvane::PageLines> lines(int page) const;
    std::optional<int> selected_row(int page) const;
    // What picking a line selected already does: nothing, as a click on it; or it becomes the
    // line picked last again, as a line the user asked to be found.
    enum class Selected { stays, picked_again };
    // Shows the page and selects the line, which becomes the line picked last.
    void pick(int page, int row, Selected selected = Selected::stays);
    // Highlights these rows of the page (ascending), and no others.
    void highlight(int page, std::vector<std::size_t> rows);
    // Marks the lines of the items a new reading added or changed, on every page and through
    // every refill, until other changes or none are given.
    void mark_changes(const std::shared_ptr<const torvane::RecordChanges>& changes);
    // The records of the item lines, page after page, each in its lines' order.
    std::vector<const torvane::Item*> shown_records() const;
    // Whether the lists show any item (a header line never stands alone).
    bool shows_items() const;

    // Adds an entry to the lists' context menu, after those there.
    void add_menu_action(QAction* action);

signals:
    // The user picked a line: its text, or nothing when no line is selected any more.
    void line_picked(const QString& text);
    // After another reading, the line picked last reads so now; empty when it is gone.
    void picked_line_reread(const QString& text);
    void page_shown(int page);
    // The lists show other lines.
    void lines_replaced();
    // A list's selection changed, by the user or by a refill.
    void selection_changed(int page);

private:
    // A line by what it shows, so that it can be found again in another reading.
    struct PickedLine {
        int page = 0;
        torvane::PageLines::Key key;
    };

    void create_tab_control(StretchLayout& layout);
    void create_lists(StretchLayout& layout);
    void create_commands();
    void on_list_select(int page);
    void on_list_double_click(int page);
    void show_menu(LineListView* view, const QPoint& at);
    void update_copy_action();
    void place_lists();
    LineListView* list(int page) const;

    QWidget* window_;
    QWidget* tab_frame_ = nullptr;
    QTabBar* tab_bar_ = nullptr;
    std::array<LineListView*, page_count> lists_{};
    QAction* copy_action_ = nullptr;
    std::vector<QAction*> menu_actions_;
    std::optional<PickedLine> picked_line_;
    QRect lists_rect_;
    int reserved_bottom_ = 0;
};
