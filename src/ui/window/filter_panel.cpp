#include "filter_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "base/text_1252.h"
#include "ui/app/app_identity.h"
#include "ui/widgets/focus_edit.h"
#include "ui/widgets/spin_button.h"
#include "ui/widgets/stretch_layout.h"

namespace {

constexpr int search_max_chars = 128;

// A stat row's caption, the stem of its controls' names, what screen readers call the
// statistic and its two boxes, and how far its arrows go.
struct StatRowText {
    const char* caption;
    const char* stem;
    const char* statistic;
    const char* minimum;
    const char* maximum;
    int upper;
};

constexpr std::array<StatRowText, FilterPanel::row_count> stat_rows = {{
    {"Li&vello:", "level", "livello", "Livello minimo", "Livello massimo", 300},
    {"&For:", "strength", "forza", "Forza minima", "Forza massima", 500},
    {"&Res:", "resistance", "resistenza", "Resistenza minima", "Resistenza massima", 500},
    {"A&gi:", "agility", "agilità", "Agilità minima", "Agilità massima", 500},
    {"&Sag:", "wisdom", "saggezza", "Saggezza minima", "Saggezza massima", 500},
    {"&Int:", "intelligence", "intelligenza", "Intelligenza minima", "Intelligenza massima", 500},
    {"A&ttacco:", "attack", "attacco", "Attacco minimo", "Attacco massimo", 3000},
}};

struct SortText {
    const char* caption;
    const char* name;
    const char* order;
};

constexpr std::array<SortText, 3> sort_orders = {{
    {"Per &Nome", "sort_name_radio", "per nome"},
    {"&Per Efficacia", "sort_efficacy_radio", "per efficacia"},
    {"Per Re&quisiti", "sort_requirement_radio", "per requisiti"},
}};

QLabel* make_label(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

FocusEdit* make_stat_edit(QWidget* parent) {
    auto* edit = new FocusEdit(parent);
    edit->set_digits_only();
    edit->setText(QStringLiteral("0"));
    // A file dropped on a box opens it, rather than typing its name there.
    edit->setAcceptDrops(false);
    return edit;
}

void describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

FilterPanel::FilterPanel(QWidget* window, StretchLayout& layout)
    : QObject(window), exchange_(window, program_title()) {
    setObjectName(QStringLiteral("filter_panel"));
    create_stat_rows(window, layout);
    create_buttons(window, layout);
    bind_form();
    connect_controls();
    describe_controls();
}

void FilterPanel::create_stat_rows(QWidget* window, StretchLayout& layout) {
    for (int k = 0; k < row_count; ++k) {
        const StatRowText& texts = stat_rows[static_cast<std::size_t>(k)];
        const std::string stem = texts.stem;
        const auto name = [&stem](const char* part) { return stem + part; };
        StatRow& row = rows_[static_cast<std::size_t>(k)];
        const int y = 58 + 15 * k;
        QLabel* label = layout.place(make_label(QString::fromLatin1(texts.caption), window),
                                     {7, 60 + 15 * k, 30, 10}, name("_label").c_str());
        row.min_edit =
            layout.place(make_stat_edit(window), {40, y, 25, 12}, name("_min_edit").c_str());
        row.min_spin = layout.place(new SpinButton(row.min_edit, window), {65, y, 9, 12},
                                    name("_min_spin").c_str());
        row.max_edit =
            layout.place(make_stat_edit(window), {75, y, 25, 12}, name("_max_edit").c_str());
        row.max_spin = layout.place(new SpinButton(row.max_edit, window), {100, y, 9, 12},
                                    name("_max_spin").c_str());
        // The label's mnemonic moves to the next tab stop, the minimum box.
        label->setBuddy(row.min_edit);
    }
}

void FilterPanel::create_buttons(QWidget* window, StretchLayout& layout) {
    min_check_ =
        layout.place(new QCheckBox(QStringLiteral("&Min"), window), {40, 163, 34, 12}, "min_check");
    max_check_ =
        layout.place(new QCheckBox(QStringLiteral("Ma&x"), window), {75, 163, 34, 12}, "max_check");
    filter_button_ = layout.place(new QPushButton(QStringLiteral("Fi&ltra"), window),
                                  {40, 178, 69, 14}, "filter_button");
    QLabel* search_label = layout.place(make_label(QStringLiteral("C&erca:"), window),
                                        {7, 197, 30, 10}, "search_label");
    search_edit_ = layout.place(new FocusEdit(window), {40, 195, 69, 12}, "search_edit");
    // A file dropped on a box opens it, rather than typing its name there.
    search_edit_->setAcceptDrops(false);
    search_edit_->setMaxLength(search_max_chars);
    search_label->setBuddy(search_edit_);
    search_button_ = layout.place(new QPushButton(QStringLiteral("&Cerca"), window),
                                  {40, 210, 69, 14}, "search_button");
    // The designed default push button; the first focus moves the default to Fi&ltra.
    search_button_->setDefault(true);
    layout.place(new QGroupBox(QStringLiteral("Ordinamento:"), window), {40, 227, 69, 47},
                 "sort_group");
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(sort_orders[i].caption), window);
        // Reached by click or mnemonic only, never by Tab.
        radio->setFocusPolicy(Qt::ClickFocus);
        sort_radios_[i] =
            layout.place(radio, {45, 237 + 12 * static_cast<int>(i), 59, 10}, sort_orders[i].name);
    }
    sort_radios_[0]->setChecked(true);
}

void FilterPanel::bind_form() {
    // The exchange order: maximum bounds of For, Int, Livello, Res, Sag, Agi, Attacco, then
    // the minimum bounds of Agi, Attacco, For, Int, Livello, Res, Sag, then the search text.
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
}

void FilterPanel::connect_controls() {
    connect(filter_button_, &QPushButton::clicked, this, &FilterPanel::on_filter);
    connect(search_button_, &QPushButton::clicked, this, &FilterPanel::on_search);
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        // Only the order changes: the lists keep theirs until the next Fi&ltra or &Cerca.
        connect(sort_radios_[i], &QRadioButton::clicked, this,
                [this, i] { sort_mode_ = static_cast<torvane::SortMode>(i); });
    }
    // Enter presses the default button: Fi&ltra from a stat box, &Cerca from the search box,
    // and Fi&ltra again once the focus has left the search box.
    const auto default_to_filter = [this] { filter_button_->setDefault(true); };
    for (const StatRow& row : rows_) {
        connect(row.min_edit, &FocusEdit::focus_gained, this, default_to_filter);
        connect(row.max_edit, &FocusEdit::focus_gained, this, default_to_filter);
    }
    connect(search_edit_, &FocusEdit::focus_gained, this,
            [this] { search_button_->setDefault(true); });
    connect(search_edit_, &FocusEdit::focus_lost, this, default_to_filter);
}

void FilterPanel::describe_controls() {
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const QString statistic = QString::fromUtf8(stat_rows[k].statistic);
        const QString least = QString::fromUtf8(stat_rows[k].minimum);
        const QString most = QString::fromUtf8(stat_rows[k].maximum);
        describe(rows_[k].min_edit, least,
                 QStringLiteral("Con «Min» spuntato, mostra solo gli oggetti con %1 almeno "
                                "pari a questo valore; 0 non pone limiti")
                     .arg(statistic));
        describe(rows_[k].max_edit, most,
                 QStringLiteral("Con «Max» spuntato, mostra solo gli oggetti con %1 al più "
                                "pari a questo valore; 0 non pone limiti")
                     .arg(statistic));
        rows_[k].min_spin->describe(least);
        rows_[k].max_spin->describe(most);
    }
    describe(min_check_, QStringLiteral("Min"),
             QStringLiteral("Applica i limiti minimi alla prossima ricerca con Filtra"));
    describe(max_check_, QStringLiteral("Max"),
             QStringLiteral("Applica i limiti massimi alla prossima ricerca con Filtra"));
    describe(filter_button_, QStringLiteral("Filtra"),
             QStringLiteral("Mostra il catalogo entro i limiti spuntati, nell'ordine scelto"));
    describe(search_edit_, QStringLiteral("Testo da cercare"),
             QStringLiteral("Una parte del nome degli oggetti da cercare"));
    describe(search_button_, QStringLiteral("Cerca"),
             QStringLiteral("Mostra gli oggetti il cui nome contiene il testo, nell'ordine "
                            "scelto"));
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        describe(sort_radios_[i],
                 QStringLiteral("Ordina ") + QString::fromUtf8(sort_orders[i].order),
                 QStringLiteral("Ordine della prossima ricerca con Filtra o Cerca"));
    }
}

void FilterPanel::set_sort_mode(torvane::SortMode mode) {
    sort_mode_ = mode;
    sort_radios_.at(static_cast<std::size_t>(mode))->setChecked(true);
}

void FilterPanel::write_form() {
    exchange_.update_data(false);
}

void FilterPanel::set_spin_ranges() {
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        rows_[k].max_spin->set_range(0, stat_rows[k].upper);
    }
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        rows_[k].min_spin->set_range(0, stat_rows[k].upper);
    }
}

void FilterPanel::focus_first_box() {
    rows_[0].min_edit->setFocus(Qt::TabFocusReason);
}

void FilterPanel::on_filter() {
    // A box that holds no integer stops the reading; the filter runs with what was read.
    exchange_.update_data(true);
    torvane::ViewQuery query;
    query.use_min = min_check_->isChecked();
    query.use_max = max_check_->isChecked();
    query.min = {form_.level_min,  form_.strength_min,     form_.resistance_min, form_.agility_min,
                 form_.wisdom_min, form_.intelligence_min, form_.attack_min};
    query.max = {form_.level_max,  form_.strength_max,     form_.resistance_max, form_.agility_max,
                 form_.wisdom_max, form_.intelligence_max, form_.attack_max};
    query.sort_mode = sort_mode_;
    emit query_requested(query);
}

void FilterPanel::on_search() {
    // When a stat box stops the reading, the search box is not read: the search runs with
    // the text read last.
    exchange_.update_data(true);
    form_.search_text = torvane::to_lower_1252(form_.search_text);
    torvane::ViewQuery query;
    query.kind = torvane::ViewQuery::Kind::search;
    query.search_text = form_.search_text;
    query.sort_mode = sort_mode_;
    emit query_requested(query);
}
