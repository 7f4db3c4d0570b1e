// The chart of the page on show, in a window of its own beside this one: opened by Ctrl+G or
// the lists' menu, kept up to date with the lists while it is open, and linked to them both
// ways. While it is closed the window does no chart work at all.
#include <QAction>
#include <QItemSelectionModel>
#include <QPointer>
#include <QTabBar>

#include "chart/page_chart.h"
#include "chart_axes.h"
#include "chart_widget.h"
#include "chart_window.h"
#include "line_list_view.h"
#include "main_dialog.h"

namespace {

// A tab's caption as it reads: "&&" stands for "&", a lone "&" marks the mnemonic.
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

} // namespace

QAction* MainDialog::link_chart() {
    auto* action = new QAction(QStringLiteral("&Grafico"), this);
    action->setObjectName(QStringLiteral("chart_action"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    action->setShortcutVisibleInContextMenu(true);
    // Added to the window, so that its keys open the chart from anywhere in it.
    addAction(action);
    connect(action, &QAction::triggered, this, &MainDialog::show_chart);
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        // Every change of a list's selection, the user's or a refill's, moves the mark.
        connect(lists_[page]->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, page] {
                    if (static_cast<int>(page) == tab_bar_->currentIndex()) {
                        mark_selected_in_chart();
                    }
                });
    }
    return action;
}

ChartWindow* MainDialog::chart_window() const {
    return chart_window_;
}

void MainDialog::show_chart() {
    if (chart_window_ == nullptr) {
        chart_window_ = new ChartWindow(this);
        chart_window_->setObjectName(QStringLiteral("chart_window"));
        connect(chart_window_, &ChartWindow::item_picked, this, &MainDialog::on_chart_pick);
    }
    // Shown first: the update below skips a closed window.
    chart_window_->show();
    update_chart();
    chart_window_->raise();
    chart_window_->activateWindow();
}

void MainDialog::update_chart() {
    if (chart_window_ == nullptr || !chart_window_->isVisible()) {
        return;
    }
    const int page = tab_bar_->currentIndex();
    if (page < 0 || page >= page_count) {
        return;
    }
    const LineListView* list = lists_[static_cast<std::size_t>(page)];
    const ChartAxes axes = torvane::requirement_axis_of_page(page) == torvane::RequirementAxis::up
                               ? ChartAxes::requirement_by_level()
                               : ChartAxes::efficacy_by_requirement();
    chart_window_->set_page(without_mnemonics(tab_bar_->tabText(page)));
    ChartWidget* chart = chart_window_->chart();
    chart->show_page(axes, torvane::page_chart_points(list->lines(), axes.requirement),
                     // Guarded: the lists may go before the chart when the window closes.
                     [list = QPointer<const LineListView>(list)](std::uint32_t row) {
                         QString text;
                         if (list != nullptr) {
                             list->line_text(static_cast<int>(row), text);
                         }
                         return text;
                     });
    mark_selected_in_chart();
}

void MainDialog::mark_selected_in_chart() {
    if (chart_window_ == nullptr || !chart_window_->isVisible()) {
        return;
    }
    const int row = lists_[static_cast<std::size_t>(tab_bar_->currentIndex())]->current_selection();
    chart_window_->chart()->set_selected_index(
        row < 0 ? std::nullopt : std::optional<std::uint32_t>(static_cast<std::uint32_t>(row)));
}

void MainDialog::on_chart_pick(quint32 row) {
    const int page = tab_bar_->currentIndex();
    LineListView* list = lists_[static_cast<std::size_t>(page)];
    if (static_cast<int>(row) >= list->line_count()) {
        return;
    }
    // As a click on the line: a line already selected stays as it is, and the description
    // with it; another is selected and described, which makes it the line picked last.
    if (list->current_selection() != static_cast<int>(row)) {
        list->select_quietly(static_cast<int>(row));
        on_list_select(page);
    }
}
