#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

class PageLists;
class QAction;
class QFrame;
class QLineEdit;
class QWidget;
class ReadableLabel;
class StretchLayout;

// Trova: a bar over the bottom of the lists (Ctrl+F opens it; closed, it takes no room) that
// finds a text in every line the lists show, headers and descriptions alike, ignoring case as
// &Cerca does. Successivo and Precedente (F3 and Shift+F3, Enter and Shift+Enter in its box)
// go from the line selected on the page on show to the next or previous line that holds the
// text, on through the following pages and round, and select it, the description following; the
// other lines of the page that hold it are highlighted. A count ("3 di 17") says where that line
// stands among all. Esc closes the bar and gives the focus back to the list. It changes
// nothing of what the lists show: after Fi&ltra, &Cerca or a new reading it finds in what
// they show then.
class FindBar : public QObject {
    Q_OBJECT
public:
    FindBar(PageLists& lists, QWidget* window, StretchLayout& layout);

private:
    // A line that holds the text.
    struct Match {
        int page;
        std::size_t row;
        bool operator<(const Match& other) const {
            return page < other.page || (page == other.page && row < other.row);
        }
    };

    void create_bar(QWidget* window, StretchLayout& layout);
    void create_commands(QWidget* window);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void open();
    void close();
    // Selects the next match after the line selected on the page on show (step 1) or the one
    // before it (step -1), round the pages.
    void find(int step);
    // Finds every match of the text in the box, if not done since it or the lines changed.
    void gather_matches();
    // Forgets the matches: the lines or the text changed.
    void forget_matches();
    void highlight_page(int page);
    void tell(const QString& count, const QString& line);

    PageLists& lists_;
    QFrame* bar_ = nullptr;
    QLineEdit* edit_ = nullptr;
    ReadableLabel* count_ = nullptr;
    // The text the matches are of, lower case, Windows-1252; none until gathered.
    std::optional<std::string> gathered_for_;
    // In page order, each page's in row order.
    std::vector<Match> matches_;
};
