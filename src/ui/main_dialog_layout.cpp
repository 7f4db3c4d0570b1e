// Builds the window's controls at their designed places, in the designed order, which is
// also the keyboard tab order.
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>

#include "app_identity.h"
#include "artwork.h"
#include "dialog_units.h"
#include "focus_edit.h"
#include "line_list_view.h"
#include "main_dialog.h"
#include "readable_label.h"
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
    // A file dropped on a box opens it, rather than typing its name there.
    edit->setAcceptDrops(false);
    return edit;
}

} // namespace

template <typename Widget>
Widget* MainDialog::place(Widget* widget, int x, int y, int width, int height, const char* name,
                          StretchLayout::Stretch stretch) {
    widget->setObjectName(QString::fromLatin1(name));
    layout_.add(widget, DialogUnits(font()).rect(x, y, width, height), stretch);
    return widget;
}

void MainDialog::create_controls() {
    setWindowTitle(program_title());
    setObjectName(QStringLiteral("main_dialog"));
    // An application's main window, not a dialog: window managers give it a taskbar entry
    // and the buttons to minimize and maximize it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    // A file dropped anywhere on the window opens it.
    setAcceptDrops(true);
    QIcon icon;
    icon.addPixmap(draw_app_icon(32));
    icon.addPixmap(draw_app_icon(16));
    setWindowIcon(icon);

    // The designed size is the smallest; any extra room goes to the lists and description.
    const DialogUnits units(font());
    const QSize designed(units.x(392), units.y(280));
    layout_ = StretchLayout(designed);
    setMinimumSize(designed);
    resize(designed);

    create_stat_rows();
    create_filter_controls();
    create_pages();
    create_header();
}

void MainDialog::create_stat_rows() {
    for (int k = 0; k < stat_row_count; ++k) {
        const StatRowText& texts = stat_rows[static_cast<std::size_t>(k)];
        const std::string stem = texts.stem;
        const auto name = [&stem](const char* part) { return stem + part; };
        StatRow& row = rows_[static_cast<std::size_t>(k)];
        const int y = 58 + 15 * k;
        row.label = place(make_label(QString::fromLatin1(texts.caption), this), 7, 60 + 15 * k, 30,
                          10, name("_label").c_str());
        row.min_edit = place(make_stat_edit(this), 40, y, 25, 12, name("_min_edit").c_str());
        row.min_spin =
            place(new SpinButton(row.min_edit, this), 65, y, 9, 12, name("_min_spin").c_str());
        row.max_edit = place(make_stat_edit(this), 75, y, 25, 12, name("_max_edit").c_str());
        row.max_spin =
            place(new SpinButton(row.max_edit, this), 100, y, 9, 12, name("_max_spin").c_str());
        // The label's mnemonic moves to the next tab stop, the minimum box.
        row.label->setBuddy(row.min_edit);
    }
}

void MainDialog::create_filter_controls() {
    min_check_ = place(new QCheckBox(QStringLiteral("&Min"), this), 40, 163, 34, 12, "min_check");
    max_check_ = place(new QCheckBox(QStringLiteral("Ma&x"), this), 75, 163, 34, 12, "max_check");
    filter_button_ =
        place(new QPushButton(QStringLiteral("Fi&ltra"), this), 40, 178, 69, 14, "filter_button");
    search_label_ =
        place(make_label(QStringLiteral("C&erca:"), this), 7, 197, 30, 10, "search_label");
    search_edit_ = place(new FocusEdit(this), 40, 195, 69, 12, "search_edit");
    // A file dropped on a box opens it, rather than typing its name there.
    search_edit_->setAcceptDrops(false);
    search_edit_->setMaxLength(128);
    search_label_->setBuddy(search_edit_);
    search_button_ =
        place(new QPushButton(QStringLiteral("&Cerca"), this), 40, 210, 69, 14, "search_button");
    sort_group_ =
        place(new QGroupBox(QStringLiteral("Ordinamento:"), this), 40, 227, 69, 47, "sort_group");
    const std::array<const char*, 3> sort_captions = {"Per &Nome", "&Per Efficacia",
                                                      "Per Re&quisiti"};
    const std::array<const char*, 3> sort_names = {"sort_name_radio", "sort_efficacy_radio",
                                                   "sort_requirement_radio"};
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(sort_captions[i]), this);
        // Reached by click or mnemonic only, never by Tab.
        radio->setFocusPolicy(Qt::ClickFocus);
        sort_radios_[i] = place(radio, 45, 237 + 12 * static_cast<int>(i), 59, 10, sort_names[i]);
    }
}

void MainDialog::create_pages() {
    description_group_ = place(new QGroupBox(QStringLiteral("&Descrizione"), this), 115, 227, 215,
                               47, "description_group", StretchLayout::Stretch::description);
    new MnemonicToNextTabStop(description_group_);
    create_description();

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
        lists_[page] = place(new LineListView(this), 120, 75, 260, 146, list_names[page],
                             StretchLayout::Stretch::lists);
    }
}

void MainDialog::create_description() {
    // The text can be selected and copied, and a text longer than the box scrolls. The box
    // is reached by the mouse only, so that the tab order stays as designed.
    description_label_ = new ReadableLabel(QStringLiteral("Item Description"));
    description_label_->setObjectName(QStringLiteral("description_label"));
    description_label_->setTextFormat(Qt::PlainText);
    description_label_->setWordWrap(true);
    description_label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_label_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                                Qt::TextSelectableByKeyboard);
    description_label_->setFocusPolicy(Qt::ClickFocus);
    // A word wider than the box is cut rather than widening the box, so the rest wraps.
    description_label_->setMinimumWidth(1);
    description_scroll_ = place(new QScrollArea(this), 120, 237, 205, 32, "description_scroll",
                                StretchLayout::Stretch::description);
    description_scroll_->setFrameShape(QFrame::NoFrame);
    description_scroll_->setFocusPolicy(Qt::NoFocus);
    description_scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    description_scroll_->setWidgetResizable(true);
    description_scroll_->setWidget(description_label_);
    // The box lies on the window's own background, as a plain text does.
    description_scroll_->viewport()->setAutoFillBackground(false);
    description_label_->setAutoFillBackground(false);
}

void MainDialog::place_controls() {
    layout_.resize(size());
    place_tab_control();
}

void MainDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    place_controls();
}

void MainDialog::place_tab_control() {
    // The bar is as tall as its tabs need, which is known once they exist.
    const QRect tabs =
        layout_.place(DialogUnits(font()).rect(115, 58, 270, 167), StretchLayout::Stretch::lists);
    const int bar_height = tab_bar_->count() > 0 ? tab_bar_->sizeHint().height() : 0;
    tab_bar_->setGeometry(tabs.x(), tabs.y(), tabs.width(), bar_height);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tab_bar_);
    const int pane_top = bar_height > overlap ? bar_height - overlap : 0;
    tab_frame_->setGeometry(tabs.x(), tabs.y() + pane_top, tabs.width(), tabs.height() - pane_top);
}

void MainDialog::create_header() {
    const DialogUnits units(font());
    caption_label_ = place(new QLabel(QStringLiteral("Il compendio dell'avventuriero"), this), 276,
                           7, 109, 10, "caption_label", StretchLayout::Stretch::right);
    caption_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption_label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    banner_ = new QLabel(this);
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->setPixmap(draw_banner(devicePixelRatioF()));
    banner_->setGeometry(units.x(7), units.y(7), 300, 64);

    loaded_label_ = place(new ReadableLabel(QStringLiteral("Oggetti Caricati: xxx"), this), 276, 21,
                          109, 10, "loaded_label", StretchLayout::Stretch::right);
    loaded_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    found_label_ = place(new ReadableLabel(QStringLiteral("Oggetti Trovati: xxx"), this), 276, 35,
                         109, 10, "found_label", StretchLayout::Stretch::right);
    found_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (ReadableLabel* label : {loaded_label_, found_label_}) {
        label->setTextFormat(Qt::PlainText);
    }

    exit_button_ = place(new QPushButton(QStringLiteral("Esci"), this), 335, 259, 50, 14,
                         "exit_button", StretchLayout::Stretch::corner);
    // The designed default push button; the first focus moves the default to Fi&ltra.
    search_button_->setDefault(true);
}
