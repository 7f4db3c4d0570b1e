#include "window_invariants.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTabBar>

#include "catalogue/catalogue.h"
#include "items/description.h"
#include "modal_answerer.h"
#include "ui/main_dialog.h"
#include "ui/text_1252_codec.h"

namespace {

constexpr std::array<const char*, WindowInvariants::page_count> list_names = {
    "weapons_list", "armour_list", "jewels_list", "bows_list", "abilities_list", "spells_list"};

constexpr int highest_code = 20;

// The page of each category, as the window's pages are laid out: weapons (and items of no
// category) first, then armour and robes, jewels, bows and arrows, abilities, spells.
int page_of(int code) {
    if (code >= 2 && code <= 13) {
        return 1;
    }
    if (code >= 16 && code <= 18) {
        return 2;
    }
    if (code == 14 || code == 15) {
        return 3;
    }
    if (code == 19) {
        return 4;
    }
    return code == 20 ? 5 : 0;
}

std::string text(const QString& string) {
    return string.toStdString();
}

} // namespace

WindowInvariants::WindowInvariants(MainDialog& dialog)
    : dialog_(dialog), tabs_(dialog.findChild<QTabBar*>(QStringLiteral("tab_control"))),
      loaded_label_(dialog.findChild<QLabel*>(QStringLiteral("loaded_label"))),
      found_label_(dialog.findChild<QLabel*>(QStringLiteral("found_label"))),
      description_label_(dialog.findChild<QLabel*>(QStringLiteral("description_label"))) {
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        lists_[page] = dialog.findChild<QListView*>(QString::fromLatin1(list_names[page]));
        QObject::connect(lists_[page]->model(), &QAbstractItemModel::modelReset, &dialog,
                         [this] { refilled_ = true; });
    }
    for (int code = 1; code <= highest_code; ++code) {
        header_codes_.insert(decode_1252(torvane::header_line(code)), code);
    }
    learn(dialog.catalogue_path());
    QObject::connect(&dialog, &MainDialog::catalogue_read, &dialog, [this] {
        learn(dialog_.catalogue_path());
        replaced_ = true;
    });
    // From the description the window opens with, it follows the user's selection only.
    expected_description_ = description_label_->text();
}

void WindowInvariants::learn(const QString& archive_path) {
    // The items the window may show: the file it read, read once more by the loader into a
    // catalogue of the monkey's own.
    const torvane::LoadResult loaded =
        torvane::Catalogue::load(QFile::encodeName(archive_path).toStdString());
    loaded_count_ = static_cast<int>(loaded.catalogue.size());
    loaded_text_ = QStringLiteral("Oggetti Caricati: %1").arg(loaded_count_);
    categories_of_line_.clear();
    for (const torvane::Item& item : loaded.catalogue.items()) {
        categories_of_line_[decode_1252(torvane::description(item))] |= 1U << item.category;
    }
}

WindowInvariants::Selection WindowInvariants::selection_of(int page) const {
    const QListView* list = lists_[static_cast<std::size_t>(page)];
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return {};
    }
    return {rows.first().row(), rows.first().data().toString()};
}

void WindowInvariants::before_action() {
    for (int page = 0; page < page_count; ++page) {
        selections_[static_cast<std::size_t>(page)] = selection_of(page);
    }
    refilled_ = false;
    replaced_ = false;
}

std::string WindowInvariants::after_action() {
    if (const QString box = ModalAnswerer::open_box_text(); !box.isNull()) {
        return "a message box is still open after the action: " + text(box);
    }
    if (QApplication::overrideCursor() != nullptr) {
        return "the wait cursor was not taken back";
    }
    int item_lines = 0;
    for (int page = 0; page < page_count; ++page) {
        if (std::string broken = check_page(page, item_lines); !broken.empty()) {
            return broken;
        }
    }
    if (std::string broken = check_counters(item_lines); !broken.empty()) {
        return broken;
    }
    if (std::string broken = check_description(); !broken.empty()) {
        return broken;
    }
    return dialog_.isVisible() ? check_pages_shown() : std::string();
}

std::string WindowInvariants::check_page(int page, int& item_lines) const {
    const QAbstractItemModel* model = lists_[static_cast<std::size_t>(page)]->model();
    const std::string where = "page " + std::to_string(page) + ", line ";
    // Items of no category stand at the top of the first page without a header.
    int running_code = page == 0 ? 0 : -1;
    int last_header = -1;
    bool header_without_items = false;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString line = model->index(row, 0).data().toString();
        const auto header = header_codes_.constFind(line);
        if (header != header_codes_.cend()) {
            const int code = header.value();
            if (header_without_items) {
                return where + std::to_string(row) + ": a header with no item under it";
            }
            if (page_of(code) != page || code <= last_header) {
                return where + std::to_string(row) + ": header " + text(line) +
                       " out of place or out of category order";
            }
            last_header = running_code = code;
            header_without_items = true;
            continue;
        }
        ++item_lines;
        header_without_items = false;
        const std::uint32_t categories = categories_of_line_.value(line, 0);
        if (running_code < 0 || (categories & (1U << running_code)) == 0) {
            return where + std::to_string(row) + ": " + text(line) +
                   " is no item of the category it stands under";
        }
    }
    return header_without_items ? where + "last: a header with no item under it" : std::string();
}

std::string WindowInvariants::check_counters(int item_lines) const {
    if (loaded_label_->text() != loaded_text_) {
        return "the loaded counter reads " + text(loaded_label_->text()) + ", not " +
               text(loaded_text_);
    }
    const QString found = QStringLiteral("Oggetti Trovati: %1").arg(item_lines);
    if (found_label_->text() != found || item_lines > loaded_count_) {
        return "the found counter reads " + text(found_label_->text()) + " while the lists show " +
               std::to_string(item_lines) + " items of " + std::to_string(loaded_count_);
    }
    return {};
}

std::string WindowInvariants::check_description() {
    // A file read in place of the shown one keeps the selected items; the description shows
    // the shown page's line again, as the new file has it, and drops the start-up hint.
    if (replaced_) {
        const Selection shown = selection_of(tabs_->currentIndex());
        if (shown.row >= 0) {
            expected_description_ = shown.text;
        } else if (expected_description_.startsWith(QStringLiteral("Nessun catalogo letto"))) {
            expected_description_.clear();
        }
    }
    // Otherwise the description follows the user's selection only; a refill clears the
    // selections and leaves it as it was.
    for (int page = 0; !replaced_ && page < page_count; ++page) {
        const Selection now = selection_of(page);
        if (now == selections_[static_cast<std::size_t>(page)]) {
            continue;
        }
        if (now.row >= 0) {
            expected_description_ = now.text;
        } else if (!refilled_) {
            expected_description_.clear();
        }
    }
    if (description_label_->text() != expected_description_) {
        return "the description reads \"" + text(description_label_->text()) +
               "\" instead of the selected line \"" + text(expected_description_) + "\"";
    }
    return {};
}

std::string WindowInvariants::check_pages_shown() const {
    const int current = tabs_->currentIndex();
    for (int page = 0; page < page_count; ++page) {
        if (lists_[static_cast<std::size_t>(page)]->isVisible() != (page == current)) {
            return "tab " + std::to_string(current) + " is current but page " +
                   std::to_string(page) + "'s list is " + (page == current ? "hidden" : "shown");
        }
    }
    return {};
}
