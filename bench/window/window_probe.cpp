#include "window_probe.h"

#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTabBar>

#include "ui/app/catalogue_file.h"
#include "ui/window/catalogue_session.h"
#include "ui/window/filter_panel.h"
#include "ui/window/main_dialog.h"
#include "ui/window/page_lists.h"

namespace {

constexpr std::array<const char*, PageLists::page_count> list_names = {
    "weapons_list", "armour_list", "jewels_list", "bows_list", "abilities_list", "spells_list"};
constexpr std::array<const char*, 3> sort_radio_names = {"sort_name_radio", "sort_efficacy_radio",
                                                         "sort_requirement_radio"};

constexpr std::array<const char*, FilterPanel::row_count> stat_stems = {
    "level", "strength", "resistance", "agility", "wisdom", "intelligence", "attack"};

// The number at the end of a counter such as "Oggetti Trovati: 12".
long trailing_number(const QString& text) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    return text.mid(colon + 1).trimmed().toLong();
}

} // namespace

namespace {

double process_cpu_ms() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

Stopwatch::Stopwatch()
    : wall_start_(std::chrono::steady_clock::now()), cpu_start_ms_(process_cpu_ms()) {
}

StepTime Stopwatch::elapsed() const {
    const auto wall = std::chrono::steady_clock::now() - wall_start_;
    return {std::chrono::duration<double, std::milli>(wall).count(),
            process_cpu_ms() - cpu_start_ms_};
}

MemoryUse memory_use() {
    MemoryUse use;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        long kib = 0;
        fields >> key >> kib;
        if (key == "VmHWM:") {
            use.peak_kib = kib;
        } else if (key == "VmRSS:") {
            use.resident_kib = kib;
        }
    }
    return use;
}

WindowProbe::WindowProbe() {
    const Stopwatch watch;
    // archive.dat in the current folder, read ahead while the window is built, as the program
    // starts.
    dialog_ = std::make_unique<MainDialog>(startup_catalogue(QString(), QString()));
    construction_ = watch.elapsed();
    // Showing the window runs its initialisation: load, sort by name, fill.
    dialog_->show();
    settle();
    start_up_ = watch.elapsed();
}

WindowProbe::~WindowProbe() = default;

PageLists& WindowProbe::lists() const {
    return *dialog_->findChild<PageLists*>(QStringLiteral("page_lists"));
}

const std::shared_ptr<const torvane::Catalogue>& WindowProbe::catalogue() const {
    return dialog_->findChild<CatalogueSession*>(QStringLiteral("catalogue_session"))->catalogue();
}

QWidget* WindowProbe::child(const char* name) const {
    return dialog_->findChild<QWidget*>(QString::fromLatin1(name));
}

long WindowProbe::found() const {
    return trailing_number(static_cast<QLabel*>(child("found_label"))->text());
}

long WindowProbe::loaded() const {
    return trailing_number(static_cast<QLabel*>(child("loaded_label"))->text());
}

void WindowProbe::settle() {
    QApplication::processEvents();
    dialog_->repaint();
    QApplication::processEvents();
}

void WindowProbe::choose_sort(int mode) {
    static_cast<QAbstractButton*>(child(sort_radio_names[static_cast<std::size_t>(mode)]))->click();
    settle();
}

StepTime WindowProbe::filter(bool min_checked, const char* stat_stem, int minimum) {
    static_cast<QCheckBox*>(child("min_check"))->setChecked(min_checked);
    static_cast<QCheckBox*>(child("max_check"))->setChecked(false);
    for (const char* stem : stat_stems) {
        const std::string edit = std::string(stem) + "_min_edit";
        const int value = std::strcmp(stem, stat_stem) == 0 ? minimum : 0;
        static_cast<QLineEdit*>(child(edit.c_str()))->setText(QString::number(value));
    }
    settle();
    const Stopwatch watch;
    static_cast<QAbstractButton*>(child("filter_button"))->click();
    settle();
    return watch.elapsed();
}

StepTime WindowProbe::search(const QString& text) {
    static_cast<QLineEdit*>(child("search_edit"))->setText(text);
    settle();
    const Stopwatch watch;
    static_cast<QAbstractButton*>(child("search_button"))->click();
    settle();
    return watch.elapsed();
}

ScrollTiming WindowProbe::scroll(int page, int steps) {
    static_cast<QTabBar*>(child("tab_control"))->setCurrentIndex(page);
    settle();
    auto* list = static_cast<QListView*>(child(list_names[static_cast<std::size_t>(page)]));
    QScrollBar* bar = list->verticalScrollBar();
    ScrollTiming timing;
    timing.rows = list->model()->rowCount();
    timing.steps = steps;
    double total = 0;
    for (int step = 1; step <= steps; ++step) {
        // Spread over the whole list, top to bottom, so that every step shows new rows.
        const auto value = static_cast<int>(static_cast<long long>(bar->maximum()) * step / steps);
        const Stopwatch watch;
        bar->setValue(value);
        list->viewport()->repaint();
        const double taken = watch.elapsed().wall_ms;
        total += taken;
        timing.max_ms = std::max(timing.max_ms, taken);
    }
    timing.mean_ms = steps > 0 ? total / steps : 0;
    return timing;
}
