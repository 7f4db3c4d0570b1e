#include "main_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>

#include "app_identity.h"
#include "base/text_1252.h"
#include "catalogue_file.h"
#include "catalogue_watcher.h"
#include "focus_edit.h"
#include "line_list_view.h"
#include "spin_button.h"
#include "wait_cursor.h"

namespace {

constexpr int search_max_chars = 128;

} // namespace

MainDialog::MainDialog(CatalogueFile& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), watcher_(new CatalogueWatcher(this)),
      exchange_(this, program_title()) {
    create_controls();
    bind_form();
    connect_events();
    create_shortcuts();
    create_list_menu();
    describe_controls();
}

MainDialog::~MainDialog() {
    // The base destructor hides the window, which takes the focus out of its boxes; their
    // handlers must not run on a window that is half destroyed.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

int MainDialog::do_modal() {
    setModal(false);
    show();
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::exit);
    return loop.exec();
}

bool MainDialog::update_data(bool save_and_validate) {
    return exchange_.update_data(save_and_validate);
}

void MainDialog::bind_form() {
    // The exchange order: maximum bounds of For, Int, Livello, Res, Sag, Agi, Attacco, then
    // the minimum bounds of Agi, Attacco, For, Int, Livello, Res, Sag, then the search text
    // and the three texts.
    const StatRow& level = rows_[0];
    const StatRow& strength = rows_[1];
    const StatRow& resistance = rows_[2];
    const StatRow& agility = rows_[3];
    const StatRow& wisdom = rows_[4];
    const StatRow& intelligence = rows_[5];
    const StatRow& attack = rows_[6];
    exchange_.bind_int(strength.max_edit, &form_.strength_max);
    exchange_.bind_int(intelligence.max_edit, &form_.intelligence_max);
    exchange_.bind_int(level.max_edit, &form_.level_max);
    exchange_.bind_int(resistance.max_edit, &form_.resistance_max);
    exchange_.bind_int(wisdom.max_edit, &form_.wisdom_max);
    exchange_.bind_int(agility.max_edit, &form_.agility_max);
    exchange_.bind_int(attack.max_edit, &form_.attack_max);
    exchange_.bind_int(agility.min_edit, &form_.agility_min);
    exchange_.bind_int(attack.min_edit, &form_.attack_min);
    exchange_.bind_int(strength.min_edit, &form_.strength_min);
    exchange_.bind_int(intelligence.min_edit, &form_.intelligence_min);
    exchange_.bind_int(level.min_edit, &form_.level_min);
    exchange_.bind_int(resistance.min_edit, &form_.resistance_min);
    exchange_.bind_int(wisdom.min_edit, &form_.wisdom_min);
    exchange_.bind_text(search_edit_, &form_.search_text, search_max_chars);
    exchange_.bind_static(loaded_label_, &form_.loaded_text);
    exchange_.bind_static(found_label_, &form_.found_text);
    exchange_.bind_static(description_label_, &form_.description_text);
}

void MainDialog::connect_events() {
    connect(filter_button_, &QPushButton::clicked, this, &MainDialog::on_filter);
    connect(search_button_, &QPushButton::clicked, this, &MainDialog::on_search);
    connect(exit_button_, &QPushButton::clicked, this, &QDialog::reject);
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        connect(sort_radios_[i], &QRadioButton::clicked, this,
                [this, i] { on_sort_choice(static_cast<torvane::SortMode>(i)); });
    }
    connect(tab_bar_, &QTabBar::currentChanged, this, &MainDialog::on_tab_change);
    for (const StatRow& row : rows_) {
        connect(row.min_edit, &FocusEdit::focus_gained, this, &MainDialog::default_to_filter);
        connect(row.max_edit, &FocusEdit::focus_gained, this, &MainDialog::default_to_filter);
    }
    connect(search_edit_, &FocusEdit::focus_gained, this, &MainDialog::default_to_search);
    connect(search_edit_, &FocusEdit::focus_lost, this, &MainDialog::default_to_filter);
    for (int page = 0; page < page_count; ++page) {
        LineListView* list = lists_[static_cast<std::size_t>(page)];
        connect(list, &LineListView::selection_changed_by_user, this,
                [this, page] { on_list_select(page); });
        connect(list, &LineListView::double_clicked, this,
                [this, page] { on_list_double_click(page); });
    }
}

void MainDialog::set_spin_ranges() {
    const std::array<int, stat_row_count> upper = {300, 500, 500, 500, 500, 500, 3000};
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        rows_[k].max_spin->set_range(0, upper[k]);
    }
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        rows_[k].min_spin->set_range(0, upper[k]);
    }
}

void MainDialog::showEvent(QShowEvent* event) {
    // The first show initialises the window before it appears, once.
    if (!initialised_ && !event->spontaneous()) {
        initialised_ = true;
        on_init_dialog();
    }
    QDialog::showEvent(event);
}

void MainDialog::on_init_dialog() {
    update_data(false);
    const QStringList captions = {QStringLiteral("Armi"),     QStringLiteral("Armature && Vesti"),
                                  QStringLiteral("Gioielli"), QStringLiteral("Archi"),
                                  QStringLiteral("Abilità"),  QStringLiteral("Incantesimi")};
    for (int i = 0; i < captions.size(); ++i) {
        tab_bar_->insertTab(i, captions[i]);
    }
    place_controls();
    show_page(0);
    set_spin_ranges();
    sort_mode_ = torvane::sort_by_name;
    sort_radios_[0]->setChecked(true);
    recall_page_and_order();
    const torvane::ReadStatus status = [this] {
        const WaitCursor busy;
        return catalogue_.read_once();
    }();
    const bool read = status == torvane::ReadStatus::read;
    if (read) {
        last_catalogue_ = catalogue_.path();
    }
    view_.set_catalogue(catalogue_.shared_catalogue());
    form_.loaded_text = "Oggetti Caricati: " + std::to_string(catalogue_.catalogue().size());
    form_.found_text = "Oggetti Trovati: 0";
    form_.description_text.clear();
    // With nothing read, the empty window says where it looked and how to open a catalogue.
    showing_hint_ = !read;
    if (showing_hint_) {
        form_.description_text =
            QStringLiteral("Nessun catalogo letto da %1 (%2): aprine uno con Ctrl+O o "
                           "trascinane uno nella finestra.")
                .arg(QDir::toNativeSeparators(catalogue_.path()), read_failure_reason(status));
    }
    update_data(false);
    torvane::ViewQuery first;
    first.sort_mode = sort_mode_;
    show_query(first);
    update_title();
    watcher_->watch(catalogue_.path());
    if (read) {
        emit catalogue_read();
    }
    // The first tab stop takes the focus, which makes Fi&ltra the default button.
    rows_[0].min_edit->setFocus(Qt::TabFocusReason);
}

void MainDialog::show_query(const torvane::ViewQuery& query) {
    const WaitCursor busy;
    fill_lists(view_.show(query));
    shown_query_ = query;
}

void MainDialog::on_filter() {
    update_data(true);
    torvane::ViewQuery query;
    query.use_min = min_check_->isChecked();
    query.use_max = max_check_->isChecked();
    query.min = {form_.level_min,  form_.strength_min,     form_.resistance_min, form_.agility_min,
                 form_.wisdom_min, form_.intelligence_min, form_.attack_min};
    query.max = {form_.level_max,  form_.strength_max,     form_.resistance_max, form_.agility_max,
                 form_.wisdom_max, form_.intelligence_max, form_.attack_max};
    query.sort_mode = sort_mode_;
    show_query(query);
}

void MainDialog::on_search() {
    update_data(true);
    form_.search_text = torvane::to_lower_1252(form_.search_text);
    torvane::ViewQuery query;
    query.kind = torvane::ViewQuery::Kind::search;
    query.search_text = form_.search_text;
    query.sort_mode = sort_mode_;
    show_query(query);
}

void MainDialog::on_sort_choice(torvane::SortMode mode) {
    sort_mode_ = mode;
}

void MainDialog::default_to_filter() {
    filter_button_->setDefault(true);
}

void MainDialog::default_to_search() {
    search_button_->setDefault(true);
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    // Qt hands the window the keys its focused control ignores (the tab bar, buttons, check
    // boxes), so keypad 1 works from those too; edit boxes and lists keep it as typing.
    on_key_down(event);
}

void MainDialog::on_key_down(QKeyEvent* event) {
    // The numeric keypad's 1, not the digit row's, shows the second page: the program's
    // established shortcut, odd as it looks.
    if (event->key() == Qt::Key_1 && (event->modifiers() & Qt::KeypadModifier)) {
        tab_bar_->setFocus(Qt::ShortcutFocusReason);
        tab_bar_->setCurrentIndex(1);
    }
    QDialog::keyPressEvent(event);
}
