#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "known_lines.h"

class QListView;
class QWidget;

// What the description must read: the text of the line the user picked last.
//
// The window keeps it so through these behaviours, which this follows and checks:
// - a selection the user changes describes the line selected;
// - a refill (Fi&ltra, &Cerca) empties every list's selection and leaves the description;
// - a catalogue read in place of the shown one (F5, the watch, Ctrl+O, a drop) refills the
//   lists, selects again the lines of the items still there, and describes the line picked
//   last as the new lists show it, on whichever page, or nothing once they do not show it.
//
// Selections are followed as they change, not compared before and after an action, because
// the window also refills its lists on its own time: a button pressed by its mnemonic clicks
// a moment later, from a timer, and that click may come inside the message box of a line
// double-clicked meanwhile, emptying the selections after the pick. The pick still stands.
class ExpectedDescription {
public:
    static constexpr int page_count = 6;

    // Follows the lists from now on; the description reads start_text so far.
    ExpectedDescription(QWidget& context, const std::array<QListView*, page_count>& lists,
                        const KnownLines& known, QString start_text);

    // The window read a catalogue file; known already holds its lines.
    void catalogue_read();
    // Ends an action: every selection changed since the last refill is the user's.
    void settle();
    const QString& text() const { return text_; }
    // What a catalogue read broke of the selections since the last call; empty when nothing.
    std::string take_broken();

private:
    struct Selection {
        int page = 0;
        int row = -1;
        QString text;
    };
    struct Pick {
        int page = 0;
        std::optional<KnownLines::Key> key;
    };

    Selection selection_of(int page) const;
    void selection_changed(int page);
    void refill_starting(int page);
    void take_pick(const Selection& selection);

    std::array<QListView*, page_count> lists_;
    const KnownLines& known_;
    QString text_;
    std::optional<Pick> pick_;
    bool after_refill_ = false;
    std::vector<Selection> held_;
    // What each list had selected when it was last refilled.
    std::array<std::optional<KnownLines::Key>, page_count> before_refill_{};
    std::string broken_;
};
