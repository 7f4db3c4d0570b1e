#pragma once

#include <QString>
#include <QWidget>

class ChartWidget;

// The chart's own top-level window, titled "Grafico — " and the page: a normal, resizable
// window beside the main one, holding only the chart. Ctrl+S saves the chart as a PNG image
// at the window's size; Esc closes the window, which changes nothing else.
class ChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChartWindow(QWidget* parent = nullptr);

    // Names the page the chart shows, in the title.
    void set_page(const QString& page);
    ChartWidget* chart() const { return chart_; }

    // Writes the chart as a PNG image of the window's size in device pixels, so that it is as
    // sharp as on a HiDPI screen; false when the file cannot be written.
    bool save_png(const QString& path) const;

signals:
    // The user picked an item in the chart: by its index in the points' owner's array.
    void item_picked(quint32 index);

private:
    void on_save();

    ChartWidget* chart_;
};
