#include "window_invariants.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QTabBar>

#include "modal_answerer.h"
#include "ui/window/catalogue_session.h"
#include "ui/window/main_dialog.h"

namespace {

constexpr std::array<const char*, WindowInvariants::page_count> list_names = {
    "weapons_list", "armour_list", "jewels_list", "bows_list", "abilities_list", "spells_list"};

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

QString shown_file(const MainDialog& window) {
    return window.findChild<CatalogueSession*>(QStringLiteral("catalogue_session"))->path();
}

WindowInvariants::WindowInvariants(MainDialog& dialog)
    : dialog_(dialog), tabs_(dialog.findChild<QTabBar*>(QStringLiteral("tab_control"))),
      loaded_label_(dialog.findChild<QLabel*>(QStringLiteral("loaded_label"))),
      found_label_(dialog.findChild<QLabel*>(QStringLiteral("found_label"))),
      description_label_(dialog.findChild<QLabel*>(QStringLiteral("description_label"))) {
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        lists_[page] = dialog.findChild<QListView*>(QString::fromLatin1(list_names[page]));
    }
    learn(shown_file(dialog));
    // From the description the window opens with, it follows the user's picks only.
    expected_ =
        std::make_unique<ExpectedDescription>(dialog, lists_, known_, description_label_->text());
    QObject::connect(&dialog, &MainDialog::catalogue_read, &dialog, [this] {
        learn(shown_file(dialog_));
        expected_->catalogue_read();
    });
}

void WindowInvariants::learn(const QString& archive_path) {
    // The items the window may show: the file it read, read once more by the loader.
    known_.learn(archive_path);
    loaded_text_ = QStringLiteral("Oggetti Caricati: %1").arg(known_.item_count());
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
        if (const std::optional<int> code = known_.header_code(line)) {
            if (header_without_items) {
                return where + std::to_string(row) + ": a header with no item under it";
            }
            if (page_of(*code) != page || *code <= last_header) {
                return where + std::to_string(row) + ": header " + text(line) +
                       " out of place or out of category order";
            }
            last_header = running_code = *code;
            header_without_items = true;
            continue;
        }
        ++item_lines;
        header_without_items = false;
        if (running_code < 0 || !known_.shows_item_of(line, running_code)) {
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
    if (found_label_->text() != found || item_lines > known_.item_count()) {
        return "the found counter reads " + text(found_label_->text()) + " while the lists show " +
               std::to_string(item_lines) + " items of " + std::to_string(known_.item_count());
    }
    return {};
}

std::string WindowInvariants::check_description() {
    expected_->settle();
    if (std::string broken = expected_->take_broken(); !broken.empty()) {
        return broken;
    }
    if (description_label_->text() != expected_->text()) {
        return "the description reads \"" + text(description_label_->text()) +
               "\" instead of the line picked last \"" + text(expected_->text()) + "\"";
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
