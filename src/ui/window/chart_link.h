#pragma once

#include <QObject>

class ChartWindow;
class PageLists;
class QAction;
class QWidget;

// The chart of the page on show, in a window of its own beside the main one: opened by Ctrl+G
// or the lists' menu, kept up to date with the lists while it is open, and linked to them
// both ways: the line selected in the list is ringed in the chart, and an item picked in the
// chart is selected in the list as a click would. While it is closed it costs nothing.
class ChartLink : public QObject {
    Q_OBJECT
public:
    ChartLink(PageLists& lists, QWidget* window);

    // The command that opens the chart, or brings it to the front.
    QAction* action() const { return action_; }
    // The chart's window, once opened; null before.
    ChartWindow* chart_window() const { return chart_window_; }

private:
    void show_chart();
    // Shows the page on show in the chart, if its window is open.
    void update_chart();
    void mark_selected();

    PageLists& lists_;
    QWidget* window_;
    QAction* action_;
    ChartWindow* chart_window_ = nullptr;
};
