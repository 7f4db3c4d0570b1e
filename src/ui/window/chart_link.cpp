#include "chart_link.h"

#include <QAction>

#include "chart/page_chart.h"
#include "ui/chart/chart_axes.h"
#include "ui/chart/chart_widget.h"
#include "ui/chart/chart_window.h"
#include "ui/widgets/line_list_model.h"
#include "ui/window/page_lists.h"

ChartLink::ChartLink(PageLists& lists, QWidget* window)
    : QObject(window), lists_(lists), window_(window),
      action_(new QAction(QStringLiteral("&Grafico"), this)) {
    setObjectName(QStringLiteral("chart_link"));
    action_->setObjectName(QStringLiteral("chart_action"));
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    action_->setShortcutVisibleInContextMenu(true);
    // Added to the window, so that its keys open the chart from anywhere in it.
    window->addAction(action_);
    connect(action_, &QAction::triggered, this, &ChartLink::show_chart);
    connect(&lists, &PageLists::page_shown, this, &ChartLink::update_chart);
    connect(&lists, &PageLists::lines_replaced, this, &ChartLink::update_chart);
    connect(&lists, &PageLists::selection_changed, this, [this](int page) {
        if (page == lists_.current_page()) {
            mark_selected();
        }
    });
}

void ChartLink::show_chart() {
    if (chart_window_ == nullptr) {
        chart_window_ = new ChartWindow(window_);
        chart_window_->setObjectName(QStringLiteral("chart_window"));
        connect(chart_window_, &ChartWindow::item_picked, this,
                [this](quint32 row) { lists_.pick(lists_.current_page(), static_cast<int>(row)); });
    }
    // Shown first: the update below skips a closed window.
    chart_window_->show();
    update_chart();
    chart_window_->raise();
    chart_window_->activateWindow();
}

void ChartLink::update_chart() {
    if (chart_window_ == nullptr || !chart_window_->isVisible()) {
        return;
    }
    const int page = lists_.current_page();
    const ChartAxes axes = torvane::requirement_axis_of_page(page) == torvane::RequirementAxis::up
                               ? ChartAxes::requirement_by_level()
                               : ChartAxes::efficacy_by_requirement();
    chart_window_->set_page(lists_.page_title(page));
    // The chart holds the lines it shows, and with them their records.
    std::shared_ptr<const torvane::PageLines> lines = lists_.lines(page);
    chart_window_->chart()->show_page(
        axes, torvane::page_chart_points(*lines, axes.requirement),
        [lines](std::uint32_t row) { return shown_line(*lines, row); });
    mark_selected();
}

void ChartLink::mark_selected() {
    if (chart_window_ == nullptr || !chart_window_->isVisible()) {
        return;
    }
    const std::optional<int> row = lists_.selected_row(lists_.current_page());
    chart_window_->chart()->set_selected_index(
        row ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*row)) : std::nullopt);
}
