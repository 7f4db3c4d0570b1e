// Builds the window's controls at their template positions, in template order, which is
// also the keyboard tab order.
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "app_identity.h"
#include "artwork.h"
#include "dialog_units.h"
#include "focus_edit.h"
#include "line_list_view.h"
#include "main_dialog.h"
#include "spin_button.h"
#include "tab_frame.h"

namespace {

struct StatRowText {
    const char* caption;
    const char* stem;
};

constexpr std::array<StatRowText, MainDialog::stat_row_count> stat_rows = {{
    {"Li&vello:", "level"},
    {"&For:", "strength"},
    {"&Res:", "resistance"},
    {"A&gi:", "agility"},
    {"&Sag:", "wisdom"},
    {"&Int:", "intelligence"},
    {"A&ttacco:", "attack"},
}};

constexpr std::array<const char*, MainDialog::page_count> list_names = {
    "weapons_list", "armour_list", "jewels_list", "bows_list", "abilities_list", "spells_list"};

template <typename Widget>
Widget* place(Widget* widget, const DialogUnits& units, int x, int y, int width, int height,
              const char* name) {
    widget->setGeometry(units.rect(x, y, width, height));
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* make_label(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// A group box's mnemonic only reaches the controls inside it. A frame that holds none
// passes the focus on to the next tab stop after it, as a label's mnemonic does.
class MnemonicToNextTabStop : public QObject {
public:
    explicit MnemonicToNextTabStop(QWidget* frame) : QObject(frame), frame_(frame) {
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != frame_ || event->type() != QEvent::Shortcut) {
            return QObject::eventFilter(watched, event);
        }
        for (QWidget* next = frame_->nextInFocusChain(); next != frame_;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisible() &&
                next->isEnabled()) {
                next->setFocus(Qt::ShortcutFocusReason);
                break;
            }
        }
        return true;
    }

private:
    QWidget* frame_;
};

FocusEdit* make_stat_edit(QWidget* parent) {
    auto* edit = new FocusEdit(parent);
    edit->set_digits_only();
    edit->setText(QStringLiteral("0"));
    return edit;
}

} // namespace

void MainDialog::create_controls() {
    setWindowTitle(program_title());
    setObjectName(QStringLiteral("main_dialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addPixmap(draw_app_icon(32));
    icon.addPixmap(draw_app_icon(16));
    setWindowIcon(icon);

    const DialogUnits units(font());
    setFixedSize(units.x(392), units.y(280));

    create_stat_rows();
    create_filter_controls();
    create_pages();
    create_header();
}

void MainDialog::create_stat_rows() {
    const DialogUnits units(font());
    for (int k = 0; k < stat_row_count; ++k) {
        const StatRowText& texts = stat_rows[static_cast<std::size_t>(k)];
        const QString stem = QString::fromLatin1(texts.stem);
        StatRow& row = rows_[static_cast<std::size_t>(k)];
        const int y = 58 + 15 * k;
        row.label = make_label(QString::fromLatin1(texts.caption), this);
        row.label->setGeometry(units.rect(7, 60 + 15 * k, 30, 10));
        row.label->setObjectName(stem + QStringLiteral("_label"));
        row.min_edit = make_stat_edit(this);
        row.min_edit->setGeometry(units.rect(40, y, 25, 12));
        row.min_edit->setObjectName(stem + QStringLiteral("_min_edit"));
        row.min_spin = new SpinButton(row.min_edit, this);
        row.min_spin->setGeometry(units.rect(65, y, 9, 12));
        row.min_spin->setObjectName(stem + QStringLiteral("_min_spin"));
        row.max_edit = make_stat_edit(this);
        row.max_edit->setGeometry(units.rect(75, y, 25, 12));
        row.max_edit->setObjectName(stem + QStringLiteral("_max_edit"));
        row.max_spin = new SpinButton(row.max_edit, this);
        row.max_spin->setGeometry(units.rect(100, y, 9, 12));
        row.max_spin->setObjectName(stem + QStringLiteral("_max_spin"));
        // The label's mnemonic moves to the next tab stop, the minimum box.
        row.label->setBuddy(row.min_edit);
    }
}

void MainDialog::create_filter_controls() {
    const DialogUnits units(font());
    min_check_ =
        place(new QCheckBox(QStringLiteral("&Min"), this), units, 40, 163, 34, 12, "min_check");
    max_check_ =
        place(new QCheckBox(QStringLiteral("Ma&x"), this), units, 75, 163, 34, 12, "max_check");
    filter_button_ = place(new QPushButton(QStringLiteral("Fi&ltra"), this), units, 40, 178, 69, 14,
                           "filter_button");
    search_label_ =
        place(make_label(QStringLiteral("C&erca:"), this), units, 7, 197, 30, 10, "search_label");
    search_edit_ = place(new FocusEdit(this), units, 40, 195, 69, 12, "search_edit");
    search_edit_->setMaxLength(128);
    search_label_->setBuddy(search_edit_);
    search_button_ = place(new QPushButton(QStringLiteral("&Cerca"), this), units, 40, 210, 69, 14,
                           "search_button");
    sort_group_ = place(new QGroupBox(QStringLiteral("Ordinamento:"), this), units, 40, 227, 69, 47,
                        "sort_group");
    const std::array<const char*, 3> sort_captions = {"Per &Nome", "&Per Efficacia",
                                                      "Per Re&quisiti"};
    const std::array<const char*, 3> sort_names = {"sort_name_radio", "sort_efficacy_radio",
                                                   "sort_requirement_radio"};
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(sort_captions[i]), this);
        // Reached by click or mnemonic only, never by Tab.
        radio->setFocusPolicy(Qt::ClickFocus);
        sort_radios_[i] =
            place(radio, units, 45, 237 + 12 * static_cast<int>(i), 59, 10, sort_names[i]);
    }
}

void MainDialog::create_pages() {
    const DialogUnits units(font());
    description_group_ = place(new QGroupBox(QStringLiteral("&Descrizione"), this), units, 115, 227,
                               215, 47, "description_group");
    new MnemonicToNextTabStop(description_group_);
    description_label_ = place(new QLabel(QStringLiteral("Item Description"), this), units, 120,
                               237, 205, 32, "description_label");
    description_label_->setTextFormat(Qt::PlainText);
    description_label_->setWordWrap(true);
    description_label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The tab control is a bar on top of a framed pane; the lists lie on the pane.
    tab_frame_ = new TabFrame(this);
    tab_frame_->setObjectName(QStringLiteral("tab_frame"));
    tab_bar_ = new QTabBar(this);
    tab_bar_->setObjectName(QStringLiteral("tab_control"));
    tab_bar_->setFocusPolicy(Qt::StrongFocus);
    tab_bar_->setDrawBase(false);
    tab_bar_->setExpanding(false);
    tab_bar_->setUsesScrollButtons(true);
    tab_frame_->lower();
    place_tab_control();

    for (std::size_t page = 0; page < lists_.size(); ++page) {
        lists_[page] = place(new LineListView(this), units, 120, 75, 260, 146, list_names[page]);
    }
}

void MainDialog::place_tab_control() {
    // The bar is as tall as its tabs need, which is known once they exist.
    const QRect tabs = DialogUnits(font()).rect(115, 58, 270, 167);
    const int bar_height = tab_bar_->count() > 0 ? tab_bar_->sizeHint().height() : 0;
    tab_bar_->setGeometry(tabs.x(), tabs.y(), tabs.width(), bar_height);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tab_bar_);
    const int pane_top = bar_height > overlap ? bar_height - overlap : 0;
    tab_frame_->setGeometry(tabs.x(), tabs.y() + pane_top, tabs.width(), tabs.height() - pane_top);
}

void MainDialog::create_header() {
    const DialogUnits units(font());
    caption_label_ = place(new QLabel(QStringLiteral("Il compendio dell'avventuriero"), this),
                           units, 276, 7, 109, 10, "caption_label");
    caption_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption_label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    banner_ = new QLabel(this);
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->setPixmap(draw_banner(devicePixelRatioF()));
    banner_->setGeometry(units.x(7), units.y(7), 300, 64);

    loaded_label_ = place(new QLabel(QStringLiteral("Oggetti Caricati: xxx"), this), units, 276, 21,
                          109, 10, "loaded_label");
    loaded_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    found_label_ = place(new QLabel(QStringLiteral("Oggetti Trovati: xxx"), this), units, 276, 35,
                         109, 10, "found_label");
    found_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {loaded_label_, found_label_}) {
        label->setTextFormat(Qt::PlainText);
    }

    exit_button_ = place(new QPushButton(QStringLiteral("Esci"), this), units, 335, 259, 50, 14,
                         "exit_button");
    ok_button_ =
        place(new QPushButton(QStringLiteral("OK"), this), units, 335, 239, 50, 14, "ok_button");
    ok_button_->setEnabled(false);
    ok_button_->hide();
    // The template's default push button; the first focus moves the default to Fi&ltra.
    search_button_->setDefault(true);
}
