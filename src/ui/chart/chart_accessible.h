#pragma once

#include <QAccessibleWidget>

class ChartWidget;

// The chart as screen readers see it: a chart with its name and a description of what it
// shows, and, while the arrow keys have made a point current, that point as its one child,
// which has the focus. Moving the current point moves that child, and the reader says it.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartWidget* chart);
    ChartAccessible(const ChartAccessible&) = delete;
    ChartAccessible& operator=(const ChartAccessible&) = delete;
    ~ChartAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The current point's interface, made on first use and kept for the chart's life.
    QAccessibleInterface* point() const;

private:
    ChartWidget* chart() const;

    mutable QAccessible::Id point_id_ = 0;
};

// Lets Qt make a ChartAccessible for every ChartWidget; once is enough, more do no harm.
void install_chart_accessibility();

// Tells assistive technologies that the chart's current point is another one.
void announce_current_point(ChartWidget* chart);
