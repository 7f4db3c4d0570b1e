#pragma once

#include <array>
#include <memory>
#include <string>

#include <QString>

#include "expected_description.h"
#include "known_lines.h"

class MainDialog;
class QLabel;
class QListView;
class QTabBar;

// What must hold in the window after every action, whatever the action was: the counters
// match the lists, every line stands on its category's page under its header in category
// order, the description is the line the user picked last, a catalogue read again keeps the
// selected items selected, no message box stays open, the wait cursor is gone and only the
// current page's list shows.
// The catalogue file the window shows, or looked for.
QString shown_file(const MainDialog& window);

class WindowInvariants {
public:
    static constexpr int page_count = ExpectedDescription::page_count;

    // Learns the catalogue the window has opened from its file, and again each time the
    // window reads one.
    explicit WindowInvariants(MainDialog& dialog);

    // What broke; empty when everything holds.
    std::string after_action();

private:
    void learn(const QString& archive_path);
    std::string check_page(int page, int& item_lines) const;
    std::string check_counters(int item_lines) const;
    std::string check_description();
    std::string check_pages_shown() const;

    MainDialog& dialog_;
    std::array<QListView*, page_count> lists_{};
    QTabBar* tabs_;
    QLabel* loaded_label_;
    QLabel* found_label_;
    QLabel* description_label_;
    QString loaded_text_;
    KnownLines known_;
    std::unique_ptr<ExpectedDescription> expected_;
};
