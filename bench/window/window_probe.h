#pragma once

// Drives the real main window the way a user does, through its own buttons and boxes, and
// times every step up to the moment its result is on screen: the lists laid out and their
// visible rows painted.

#include <chrono>
#include <memory>
#include <string>

#include <QString>

#include "ui/catalogue_file.h"

class MainDialog;
class QWidget;

// Wall-clock and processor time of one step. On a machine shared with other work the
// processor time is the steadier figure; on an idle one the two agree.
struct StepTime {
    double wall_ms = 0;
    double cpu_ms = 0;
};

class Stopwatch {
public:
    Stopwatch();
    StepTime elapsed() const;

private:
    std::chrono::steady_clock::time_point wall_start_;
    double cpu_start_ms_;
};

// Memory of this process in KiB, from /proc/self/status: the peak resident set (VmHWM)
// and the current one (VmRSS). Zero when the file cannot be read.
struct MemoryUse {
    long peak_kib = 0;
    long resident_kib = 0;
};
MemoryUse memory_use();

// Time spent per scroll step, each step moving the list and repainting it at once.
struct ScrollTiming {
    int rows = 0;
    int steps = 0;
    double mean_ms = 0;
    double max_ms = 0;
};

class WindowProbe {
public:
    // Opens the window on "archive.dat" in the current directory; start_up_ms() then holds
    // the time from construction to the first full fill on screen.
    // construction() is the part before the window is shown.
    WindowProbe();
    ~WindowProbe();
    WindowProbe(const WindowProbe&) = delete;
    WindowProbe& operator=(const WindowProbe&) = delete;

    StepTime start_up() const { return start_up_; }
    StepTime construction() const { return construction_; }
    // The number the found counter shows.
    long found() const;
    long loaded() const;

    // Picks the sort order with its radio button (0 name, 1 efficacy, 2 requirements).
    void choose_sort(int mode);
    // Checks "&Min" or not, clears "Ma&x", puts the bound into the minimum box of the stat
    // row (its stem: "level", "strength", ... "attack"), presses Fi&ltra; milliseconds taken.
    StepTime filter(bool min_checked, const char* stat_stem = "level", int minimum = 0);
    // Types the text into the search box and presses &Cerca; milliseconds taken.
    StepTime search(const QString& text);
    // Shows the page and scrolls its list through its whole length in steps.
    ScrollTiming scroll(int page, int steps);

    MainDialog& dialog() { return *dialog_; }
    const torvane::Catalogue& catalogue() const { return catalogue_.catalogue(); }
    const std::shared_ptr<const torvane::Catalogue>& shared_catalogue() const {
        return catalogue_.shared_catalogue();
    }
    // Runs what the window has queued and paints it, as the event loop would before the
    // next user input.
    void settle();

private:
    QWidget* child(const char* name) const;

    // archive.dat in the current folder, as the program reads it.
    CatalogueFile catalogue_;
    std::unique_ptr<MainDialog> dialog_;
    StepTime start_up_;
    StepTime construction_;
};
