#include "find_bar.h"

#include <algorithm>
#include <iterator>

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "base/text_1252.h"
#include "query/line_search.h"
#include "ui/widgets/line_list_model.h"
#include "ui/widgets/readable_label.h"
#include "ui/widgets/stretch_layout.h"
#include "ui/widgets/text_1252_codec.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/window/page_lists.h"

namespace {

// A character Windows-1252 lacks cannot stand in any line: a line feed, which none holds,
// stands for it.
constexpr char unmappable_byte = '\n';

QAction* add_command(QWidget* owner, const char* name, const QString& text,
                     const QKeySequence& keys, Qt::ShortcutContext context, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(context);
    action->setShortcutVisibleInContextMenu(true);
    owner->addAction(action);
    return action;
}

QPushButton* make_button(const QString& text, const QString& description, QAction* action,
                         QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Not a default button: Enter in the box finds, and Enter elsewhere keeps its meaning.
    button->setAutoDefault(false);
    button->setAccessibleDescription(description);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

} // namespace

FindBar::FindBar(PageLists& lists, QWidget* window, StretchLayout& layout)
    : QObject(window), lists_(lists) {
    setObjectName(QStringLiteral("find"));
    create_bar(window, layout);
    create_commands(window);
    connect(&lists, &PageLists::lines_replaced, this, &FindBar::forget_matches);
    connect(&lists, &PageLists::page_shown, this, &FindBar::highlight_page);
}

void FindBar::create_bar(QWidget* window, StretchLayout& layout) {
    bar_ = new QFrame(window);
    bar_->setObjectName(QStringLiteral("find_bar"));
    bar_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    bar_->setAutoFillBackground(true);
    bar_->setAccessibleName(QStringLiteral("Trova"));
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(QStringLiteral("Tr&ova:"), bar_);
    edit_ = new QLineEdit(bar_);
    edit_->setObjectName(QStringLiteral("find_edit"));
    edit_->setAccessibleName(QStringLiteral("Testo da trovare"));
    edit_->setAcceptDrops(false);
    edit_->installEventFilter(this);
    label->setBuddy(edit_);
    count_ = new ReadableLabel(QString(), bar_);
    count_->setObjectName(QStringLiteral("find_count"));
    count_->setAccessibleName(QStringLiteral("Risultati"));
    count_->setTextFormat(Qt::PlainText);
    row->addWidget(label);
    row->addWidget(edit_, 1);
    row->addWidget(count_);
    connect(edit_, &QLineEdit::textChanged, this, &FindBar::forget_matches);
    // Over the bottom of the lists, as wide as they are.
    layout.follow({120, 75, 260, 146}, StretchLayout::Stretch::lists, [this](const QRect& lists) {
        const int height = bar_->sizeHint().height();
        bar_->setGeometry(lists.x(), lists.y() + lists.height() - height, lists.width(), height);
    });
    bar_->hide();
}

void FindBar::create_commands(QWidget* window) {
    connect(add_command(window, "find_action", QStringLiteral("&Trova\u2026"), QKeySequence::Find,
                        Qt::WindowShortcut, this),
            &QAction::triggered, this, &FindBar::open);
    QAction* next = add_command(window, "find_next_action", QStringLiteral("Successivo"),
                                QKeySequence(Qt::Key_F3), Qt::WindowShortcut, this);
    connect(next, &QAction::triggered, this, [this] { find(1); });
    QAction* previous = add_command(window, "find_previous_action", QStringLiteral("Precedente"),
                                    QKeySequence(Qt::SHIFT | Qt::Key_F3), Qt::WindowShortcut, this);
    connect(previous, &QAction::triggered, this, [this] { find(-1); });
    // Esc in the bar closes the bar, not the window.
    QAction* close =
        add_command(bar_, "find_close_action", QStringLiteral("Chiudi"),
                    QKeySequence(Qt::Key_Escape), Qt::WidgetWithChildrenShortcut, this);
    connect(close, &QAction::triggered, this, &FindBar::close);

    auto* row = static_cast<QHBoxLayout*>(bar_->layout());
    QPushButton* previous_button = make_button(
        QStringLiteral("Precedente"),
        QStringLiteral("La riga precedente che contiene il testo (Maiusc+F3)"), previous, bar_);
    previous_button->setObjectName(QStringLiteral("find_previous_button"));
    QPushButton* next_button =
        make_button(QStringLiteral("Successivo"),
                    QStringLiteral("La riga seguente che contiene il testo (F3)"), next, bar_);
    next_button->setObjectName(QStringLiteral("find_next_button"));
    auto* close_button = new QToolButton(bar_);
    close_button->setObjectName(QStringLiteral("find_close_button"));
    close_button->setText(QStringLiteral("\u00D7"));
    close_button->setAutoRaise(true);
    close_button->setToolTip(QStringLiteral("Chiudi (Esc)"));
    close_button->setAccessibleName(QStringLiteral("Chiudi la ricerca"));
    connect(close_button, &QToolButton::clicked, close, &QAction::trigger);
    row->insertWidget(2, previous_button);
    row->insertWidget(3, next_button);
    row->addWidget(close_button);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the box finds the next line, Shift+Enter the one before, rather than pressing
    // the window's default button.
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find((key->modifiers() & Qt::ShiftModifier) != 0 ? -1 : 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FindBar::open() {
    // The lists make room for the bar, so that no line they show hides under it.
    lists_.reserve_bottom(bar_->sizeHint().height());
    bar_->show();
    bar_->raise();
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
    highlight_page(lists_.current_page());
}

void FindBar::close() {
    bar_->hide();
    lists_.reserve_bottom(0);
    for (int page = 0; page < PageLists::page_count; ++page) {
        lists_.highlight(page, {});
    }
    lists_.focus_list();
}

void FindBar::find(int step) {
    if (!bar_->isVisible()) {
        open();
    }
    gather_matches();
    if (matches_.empty()) {
        tell(edit_->text().isEmpty() ? QString() : QStringLiteral("Nessun risultato"), QString());
        return;
    }
    // From the line selected on the page on show, or from just before the page's first line.
    const int page = lists_.current_page();
    const std::optional<int> selected = lists_.selected_row(page);
    const Match here{page, selected ? static_cast<std::size_t>(*selected) : 0};
    std::size_t found = 0;
    if (step > 0) {
        const auto after = selected ? std::upper_bound(matches_.begin(), matches_.end(), here)
                                    : std::lower_bound(matches_.begin(), matches_.end(), here);
        found = after == matches_.end() ? 0 : static_cast<std::size_t>(after - matches_.begin());
    } else {
        const auto at = std::lower_bound(matches_.begin(), matches_.end(), here);
        found = at == matches_.begin() ? matches_.size() - 1
                                       : static_cast<std::size_t>(at - matches_.begin()) - 1;
    }
    const Match& match = matches_[found];
    lists_.pick(match.page, static_cast<int>(match.row), PageLists::Selected::picked_again);
    highlight_page(match.page);
    tell(QStringLiteral("%1 di %2").arg(found + 1).arg(matches_.size()),
         shown_line(*lists_.lines(match.page), match.row));
}

void FindBar::gather_matches() {
    const std::string text = torvane::to_lower_1252(encode_1252(edit_->text(), unmappable_byte));
    if (gathered_for_ == text) {
        return;
    }
    const WaitCursor busy;
    matches_.clear();
    for (int page = 0; page < PageLists::page_count; ++page) {
        for (const std::size_t row : torvane::rows_containing(*lists_.lines(page), text)) {
            matches_.push_back({page, row});
        }
    }
    gathered_for_ = text;
}

void FindBar::forget_matches() {
    if (!gathered_for_) {
        return;
    }
    gathered_for_.reset();
    matches_.clear();
    for (int page = 0; page < PageLists::page_count; ++page) {
        lists_.highlight(page, {});
    }
    tell(QString(), QString());
}

void FindBar::highlight_page(int page) {
    if (!gathered_for_ || !bar_->isVisible()) {
        return;
    }
    const auto first = std::lower_bound(matches_.begin(), matches_.end(), Match{page, 0});
    const auto last = std::lower_bound(first, matches_.end(), Match{page + 1, 0});
    std::vector<std::size_t> rows;
    rows.reserve(static_cast<std::size_t>(last - first));
    std::transform(first, last, std::back_inserter(rows),
                   [](const Match& match) { return match.row; });
    lists_.highlight(page, std::move(rows));
}

void FindBar::tell(const QString& count, const QString& line) {
    count_->show_text(count);
    count_->setAccessibleDescription(line);
    // The box has the focus: what it is described as now is what a screen reader says.
    edit_->setAccessibleDescription(line.isEmpty() ? count : count + QStringLiteral(": ") + line);
}
