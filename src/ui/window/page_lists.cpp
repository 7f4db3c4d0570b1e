#include "page_lists.h"

#include <algorithm>

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QStyle>
#include <QTabBar>

#include "ui/widgets/line_list_view.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/stretch_layout.h"
#include "ui/widgets/tab_frame.h"
#include "ui/widgets/text_1252_codec.h"

namespace {

// Each page's tab, its list's name for tests and tools, and what screen readers call the list.
struct PageText {
    const char* tab;
    const char* list_name;
    const char* accessible_name;
    const char* accessible_description;
};

constexpr std::array<PageText, PageLists::page_count> pages = {{
    {"Armi", "weapons_list", "Elenco delle armi",
     "Armi e oggetti senza categoria, raggruppati per tipo"},
    {"Armature && Vesti", "armour_list", "Elenco delle armature e vesti",
     "Scudi, armature, vesti, elmi, guanti, stivali, cinture e mantelli, raggruppati per tipo"},
    {"Gioielli", "jewels_list", "Elenco dei gioielli",
     "Amuleti, anelli e bracciali, raggruppati per tipo"},
    {"Archi", "bows_list", "Elenco degli archi", "Archi e frecce, raggruppati per tipo"},
    {"Abilità", "abilities_list", "Elenco delle abilità", "Le abilità"},
    {"Incantesimi", "spells_list", "Elenco degli incantesimi", "Gli incantesimi"},
}};

// The caption of a page's message box: that of the categories it lists.
QString message_caption(int page) {
    for (const torvane::CategoryInfo& info : torvane::category_table) {
        if (info.page == page) {
            return decode_1252(info.page_caption);
        }
    }
    return {};
}

// A caption as it reads: "&&" stands for "&", a lone "&" marks the mnemonic.
QString without_mnemonics(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

void describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

PageLists::PageLists(QWidget* window, StretchLayout& layout) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("page_lists"));
    create_tab_control(layout);
    create_lists(layout);
    create_commands();
    connect(tab_bar_, &QTabBar::currentChanged, this, [this](int page) {
        for (int i = 0; i < page_count; ++i) {
            list(i)->setVisible(i == page);
        }
        update_copy_action();
        emit page_shown(page);
    });
    for (int i = 0; i < page_count; ++i) {
        list(i)->setVisible(i == 0);
    }
    update_copy_action();
}

void PageLists::create_tab_control(StretchLayout& layout) {
    // The tab control is a bar on top of a framed pane; the lists lie on the pane.
    tab_frame_ = new TabFrame(window_);
    tab_frame_->setObjectName(QStringLiteral("tab_frame"));
    tab_bar_ = new QTabBar(window_);
    tab_bar_->setObjectName(QStringLiteral("tab_control"));
    tab_bar_->setFocusPolicy(Qt::StrongFocus);
    tab_bar_->setDrawBase(false);
    tab_bar_->setExpanding(false);
    tab_bar_->setUsesScrollButtons(true);
    for (const PageText& page : pages) {
        tab_bar_->addTab(QString::fromUtf8(page.tab));
    }
    tab_frame_->lower();
    describe(tab_bar_, QStringLiteral("Pagine del catalogo"),
             QStringLiteral("Ctrl+Tab e Ctrl+Pagina giù passano alla pagina seguente"));
    layout.follow({115, 58, 270, 167}, StretchLayout::Stretch::lists, [this](const QRect& tabs) {
        // The bar is as tall as its tabs need, which is known once they exist.
        const int bar_height = tab_bar_->count() > 0 ? tab_bar_->sizeHint().height() : 0;
        tab_bar_->setGeometry(tabs.x(), tabs.y(), tabs.width(), bar_height);
        const int overlap =
            window_->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tab_bar_);
        const int pane_top = bar_height > overlap ? bar_height - overlap : 0;
        tab_frame_->setGeometry(tabs.x(), tabs.y() + pane_top, tabs.width(),
                                tabs.height() - pane_top);
    });
}

void PageLists::create_lists(StretchLayout& layout) {
    for (int page = 0; page < page_count; ++page) {
        const PageText& text = pages[static_cast<std::size_t>(page)];
        auto* view = new LineListView(window_);
        view->setObjectName(QString::fromLatin1(text.list_name));
        lists_[static_cast<std::size_t>(page)] = view;
        describe(view, QString::fromUtf8(text.accessible_name),
                 QString::fromUtf8(text.accessible_description));
        connect(view, &LineListView::selection_changed_by_user, this,
                [this, page] { on_list_select(page); });
        connect(view, &LineListView::double_clicked, this,
                [this, page] { on_list_double_click(page); });
        // Every change, the user's or a refill's.
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, page] {
            update_copy_action();
            emit selection_changed(page);
        });
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& at) { show_menu(view, at); });
    }
    // All six on one rectangle, less what a bar over their bottom takes while it shows.
    layout.follow({120, 75, 260, 146}, StretchLayout::Stretch::lists, [this](const QRect& rect) {
        lists_rect_ = rect;
        place_lists();
    });
}

void PageLists::create_commands() {
    copy_action_ = new QAction(QStringLiteral("&Copia"), this);
    copy_action_->setObjectName(QStringLiteral("copy_line_action"));
    copy_action_->setShortcut(QKeySequence::Copy);
    copy_action_->setShortcutVisibleInContextMenu(true);
    // Ctrl+C copies the list's own line; in a box it copies the box's text.
    copy_action_->setShortcutContext(Qt::WidgetShortcut);
    connect(copy_action_, &QAction::triggered, this,
            [this] { list(current_page())->copy_selected_line(); });
    for (LineListView* view : lists_) {
        view->addAction(copy_action_);
    }
    menu_actions_.push_back(copy_action_);

    const auto add_page_step = [this](const char* name, const QString& text, int step,
                                      const QList<QKeySequence>& keys) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window_->addAction(action);
        connect(action, &QAction::triggered, this, [this, step] {
            const int count = tab_bar_->count();
            tab_bar_->setCurrentIndex(((tab_bar_->currentIndex() + step) % count + count) % count);
        });
    };
    add_page_step(
        "next_page_action", QStringLiteral("Pagina seguente"), 1,
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    // Shift turns Tab into Backtab.
    add_page_step("previous_page_action", QStringLiteral("Pagina precedente"), -1,
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                   QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
}

LineListView* PageLists::list(int page) const {
    return lists_.at(static_cast<std::size_t>(page));
}

void PageLists::show_view(const torvane::CatalogueOrder& view) {
    // The lines are gathered first and each list is emptied and refilled in one step, so a
    // view of a million items costs one model reset per list.
    std::array<torvane::PageLines, page_count> lines = torvane::group_into_pages(view);
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i]->replace(std::make_shared<const torvane::PageLines>(std::move(lines[i])));
    }
    update_copy_action();
    emit lines_replaced();
}

void PageLists::show_view_again(const torvane::CatalogueOrder& view) {
    // Each list's selection, by what it shows, while the old lines are still there.
    std::array<std::optional<torvane::PageLines::Key>, page_count> selected;
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        if (const std::optional<int> row = lists_[page]->current_selection()) {
            selected[page] = lists_[page]->lines()->key(static_cast<std::size_t>(*row));
        }
    }
    show_view(view);
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        const std::optional<std::size_t> row =
            selected[page] ? lists_[page]->lines()->find(*selected[page]) : std::nullopt;
        lists_[page]->select_quietly(row ? std::optional<int>(static_cast<int>(*row))
                                         : std::nullopt);
    }
    // The line the user picked last, on whichever page: its text may have changed, and its
    // row. A line the new lists do not show takes the description with it, so that nothing
    // of the old file stays.
    if (!picked_line_) {
        return;
    }
    const LineListView* view_of_pick = list(picked_line_->page);
    const std::optional<std::size_t> row = view_of_pick->lines()->find(picked_line_->key);
    const std::optional<QString> text =
        row ? view_of_pick->line_text(static_cast<int>(*row)) : std::nullopt;
    if (!text) {
        picked_line_.reset();
    }
    emit picked_line_reread(text.value_or(QString()));
}

int PageLists::current_page() const {
    return tab_bar_->currentIndex();
}

void PageLists::set_current_page(int page) {
    tab_bar_->setCurrentIndex(page);
}

void PageLists::focus_tab(int page) {
    tab_bar_->setFocus(Qt::ShortcutFocusReason);
    tab_bar_->setCurrentIndex(page);
}

void PageLists::reserve_bottom(int height) {
    reserved_bottom_ = height;
    place_lists();
}

void PageLists::place_lists() {
    const QRect rect = lists_rect_.adjusted(0, 0, 0, -reserved_bottom_);
    for (LineListView* view : lists_) {
        view->setGeometry(rect);
    }
}

void PageLists::focus_list() {
    list(current_page())->setFocus(Qt::OtherFocusReason);
}

QString PageLists::page_title(int page) const {
    return without_mnemonics(tab_bar_->tabText(page));
}

std::shared_ptr<const torvane::PageLines> PageLists::lines(int page) const {
    return list(page)->lines();
}

std::optional<int> PageLists::selected_row(int page) const {
    return list(page)->current_selection();
}

void PageLists::pick(int page, int row, Selected selected) {
    LineListView* view = list(page);
    if (row < 0 || row >= view->line_count()) {
        return;
    }
    set_current_page(page);
    if (view->current_selection() == row && selected == Selected::stays) {
        return;
    }
    view->select_quietly(row);
    on_list_select(page);
}

void PageLists::highlight(int page, std::vector<std::size_t> rows) {
    list(page)->highlight(std::move(rows));
}

void PageLists::mark_changes(const std::shared_ptr<const torvane::RecordChanges>& changes) {
    for (LineListView* view : lists_) {
        view->mark_changes(changes);
    }
}

std::vector<const torvane::Item*> PageLists::shown_records() const {
    std::vector<const torvane::Item*> records;
    for (const LineListView* view : lists_) {
        const std::vector<const torvane::Item*> page =
            torvane::records_of(std::span(view->lines().get(), 1));
        records.insert(records.end(), page.begin(), page.end());
    }
    return records;
}

bool PageLists::shows_items() const {
    return std::any_of(lists_.begin(), lists_.end(),
                       [](const LineListView* view) { return view->lines()->size() > 0; });
}

void PageLists::add_menu_action(QAction* action) {
    menu_actions_.push_back(action);
}

void PageLists::on_list_select(int page) {
    const LineListView* view = list(page);
    const std::optional<int> row = view->current_selection();
    const std::optional<QString> text = row ? view->line_text(*row) : std::nullopt;
    if (!text) {
        picked_line_.reset();
        emit line_picked(QString());
        return;
    }
    picked_line_ = PickedLine{page, view->lines()->key(static_cast<std::size_t>(*row))};
    emit line_picked(*text);
}

void PageLists::on_list_double_click(int page) {
    const LineListView* view = list(page);
    const std::optional<int> row = view->current_selection();
    const std::optional<QString> text = row ? view->line_text(*row) : std::nullopt;
    show_message(window_, text.value_or(QStringLiteral("Nessuna selezione")),
                 message_caption(page));
}

void PageLists::show_menu(LineListView* view, const QPoint& at) {
    QMenu menu(window_);
    menu.setObjectName(QStringLiteral("list_menu"));
    for (QAction* action : menu_actions_) {
        menu.addAction(action);
    }
    menu.exec(view->viewport()->mapToGlobal(at));
}

void PageLists::update_copy_action() {
    copy_action_->setEnabled(selected_row(current_page()).has_value());
}
