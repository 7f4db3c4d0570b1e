#pragma once

#include <QWidget>

// The pane under the tab bar: draws the style's tab-page frame and nothing else. The page
// lists lie on it as siblings, as the tabs only switch which list shows.
class TabFrame : public QWidget {
    Q_OBJECT
public:
    explicit TabFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
