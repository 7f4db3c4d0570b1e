// The six page lists: switching pages, filling them from a list of items, and reading the
// selected line into the description or a message box.
#include <QLabel>
#include <QTabBar>

#include "catalogue/busy_indicator.h"
#include "line_list_view.h"
#include "main_dialog.h"
#include "message_box.h"
#include "text_1252_codec.h"

namespace {

const std::array<const char*, MainDialog::page_count> double_click_captions = {
    "Tabella delle Armi",  "Tabella delle Armature", "Tabella dei Gioielli",
    "Tabella degli Archi", "Tabella delle Abilità",  "Tabella degli Incantesimi"};

std::string header_line(int code) {
    return "[Oggetti di tipo " + category_name(code) + "]";
}

} // namespace

int page_of_category(int code) {
    if (code >= 2 && code <= 13) {
        return 1;
    }
    if (code == 14 || code == 15) {
        return 3;
    }
    if (code >= 16 && code <= 18) {
        return 2;
    }
    if (code == 19) {
        return 4;
    }
    if (code == 20) {
        return 5;
    }
    return 0;
}

int MainDialog::show_page(int page) {
    for (int i = 0; i < page_count; ++i) {
        lists_[static_cast<std::size_t>(i)]->setVisible(i == page);
    }
    return 0;
}

void MainDialog::on_tab_change() {
    show_page(tab_bar_->currentIndex());
}

void MainDialog::fill_lists(ItemList& list) {
    const BusyScope busy;
    list.rewind();
    // The lines are gathered first and each list is emptied and refilled in one step, so a
    // view of a million items costs one model reset per list.
    std::array<LineBatch, page_count> batches;
    ItemCategory running_code = 0;
    int page = 0;
    const std::int32_t total = list.count();
    for (std::int32_t taken = 0; taken < total; ++taken) {
        const Item* item = list.next();
        if (item == nullptr) {
            break;
        }
        if (item->category() != running_code) {
            running_code = item->category();
            page = page_of_category(running_code);
            batches[static_cast<std::size_t>(page)].append_header(header_line(running_code));
        }
        batches[static_cast<std::size_t>(page)].append_item(*item);
    }
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i]->replace(std::move(batches[i]));
    }
    form_.found_text = "Oggetti Trovati: " + std::to_string(total);
    update_data(false);
}

void MainDialog::on_list_select(int page) {
    const LineListView* list = lists_[static_cast<std::size_t>(page)];
    const int row = list->current_selection();
    if (row < 0 || !list->line_text(row, form_.description_text)) {
        form_.description_text.clear();
    }
    update_data(false);
}

void MainDialog::on_list_double_click(int page) {
    const LineListView* list = lists_[static_cast<std::size_t>(page)];
    const QString caption =
        QString::fromUtf8(double_click_captions[static_cast<std::size_t>(page)]);
    std::string text;
    const int row = list->current_selection();
    if (row < 0 || !list->line_text(row, text)) {
        show_message(this, QStringLiteral("Nessuna selezione"), caption);
        return;
    }
    show_message(this, decode_1252(text), caption);
}
