#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QHash>
#include <QString>

class MainDialog;
class QLabel;
class QListView;
class QTabBar;

// What must hold in the window after every action, whatever the action was: the counters
// match the lists, every line stands on its category's page under its header in category
// order, the description is the line the user selected last, no message box stays open,
// the wait cursor is gone and only the current page's list shows.
class WindowInvariants {
public:
    static constexpr int page_count = 6;

    // Learns the catalogue the window has opened from its file, and again each time the
    // window reads one: which categories each item line may show.
    explicit WindowInvariants(MainDialog& dialog);

    // Takes note of the selections before an action.
    void before_action();
    // What broke; empty when everything holds.
    std::string after_action();

private:
    struct Selection {
        int row = -1;
        QString text;
        bool operator==(const Selection& other) const = default;
    };

    void learn(const QString& archive_path);
    Selection selection_of(int page) const;
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
    int loaded_count_ = 0;
    // Each item line's text, with a bit per category (1 << code) of the items that show it.
    QHash<QString, std::uint32_t> categories_of_line_;
    QHash<QString, int> header_codes_;
    std::array<Selection, page_count> selections_{};
    bool refilled_ = false;
    // The window read a catalogue file during the action.
    bool replaced_ = false;
    QString expected_description_;
};
