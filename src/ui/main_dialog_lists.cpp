// The six page lists: switching pages, filling them from a list of items, and reading the
// selected line into the description or a message box.
#include <QLabel>
#include <QTabBar>

#include "catalogue_file.h"
#include "line_list_view.h"
#include "main_dialog.h"
#include "message_box.h"
#include "query/page_lines.h"
#include "text_1252_codec.h"
#include "wait_cursor.h"

namespace {

// The caption of a page's message box: that of the categories it lists.
QString page_caption(int page) {
    for (const torvane::CategoryInfo& info : torvane::category_table) {
        if (info.page == page) {
            return decode_1252(info.page_caption);
        }
    }
    return {};
}

} // namespace

int MainDialog::show_page(int page) {
    for (int i = 0; i < page_count; ++i) {
        lists_[static_cast<std::size_t>(i)]->setVisible(i == page);
    }
    return 0;
}

void MainDialog::on_tab_change() {
    show_page(tab_bar_->currentIndex());
    update_chart();
}

void MainDialog::fill_lists(std::span<const torvane::Item* const> view) {
    const WaitCursor busy;
    // The lines are gathered first and each list is emptied and refilled in one step, so a
    // view of a million items costs one model reset per list.
    std::array<torvane::PageLines, page_count> pages =
        torvane::group_into_pages(view, catalogue_.shared_catalogue());
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i]->replace(std::move(pages[i]));
    }
    form_.found_text = "Oggetti Trovati: " + std::to_string(view.size());
    update_data(false);
    update_chart();
}

void MainDialog::on_list_select(int page) {
    const LineListView* list = lists_[static_cast<std::size_t>(page)];
    const int row = list->current_selection();
    if (row < 0 || !list->line_text(row, form_.description_text)) {
        form_.description_text.clear();
        picked_line_.reset();
    } else {
        picked_line_ = PickedLine{static_cast<std::size_t>(page),
                                  list->lines().key(static_cast<std::size_t>(row))};
    }
    update_data(false);
}

void MainDialog::on_list_double_click(int page) {
    const LineListView* list = lists_[static_cast<std::size_t>(page)];
    const QString caption = page_caption(page);
    std::string text;
    const int row = list->current_selection();
    if (row < 0 || !list->line_text(row, text)) {
        show_message(this, QStringLiteral("Nessuna selezione"), caption);
        return;
    }
    show_message(this, decode_1252(text), caption);
}
