#include "step_samples.h"

#include <algorithm>
#include <cstdio>

namespace {

double median_of(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string target_cells(const StepTime& figure, double target_ms) {
    if (target_ms <= 0) {
        return "| | |";
    }
    // A shared machine stretches the wall clock; say when the work itself fits.
    const char* met = figure.wall_ms < target_ms  ? "yes"
                      : figure.cpu_ms < target_ms ? "**no** (processor time: yes)"
                                                  : "**no**";
    char cells[96];
    std::snprintf(cells, sizeof cells, "| < %.0f ms | %s |", target_ms, met);
    return cells;
}

} // namespace

StepTime StepSamples::median() const {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const StepTime& time : times) {
        wall.push_back(time.wall_ms);
        cpu.push_back(time.cpu_ms);
    }
    return {median_of(wall), median_of(cpu)};
}

double StepSamples::max_wall_ms() const {
    double max = 0;
    for (const StepTime& time : times) {
        max = std::max(max, time.wall_ms);
    }
    return max;
}

Targets targets_for(long items) {
    return items <= 100000 ? Targets{80, 10, 300, 0, 0} : Targets{8000, 3000, 200, 0.5, 0.1};
}

void print_table_head() {
    std::printf("| measure | wall clock (processor) | target | met |\n|---|---|---|---|\n");
}

void print_step(const std::string& label, const StepTime& time, double target_ms) {
    std::printf("| %s | %.0f ms (%.0f ms) %s\n", label.c_str(), time.wall_ms, time.cpu_ms,
                target_cells(time, target_ms).c_str());
}

void print_samples(const std::string& label, const StepSamples& samples, double target_ms) {
    const StepTime median = samples.median();
    std::printf("| %s: %ld found | median %.0f ms (%.0f ms), max %.0f ms %s\n", label.c_str(),
                samples.found, median.wall_ms, median.cpu_ms, samples.max_wall_ms(),
                target_cells(median, target_ms).c_str());
}

void print_breakdown_head() {
    std::printf("\n| where the time goes, wall clock (processor), medians | catalogue: load, "
                "filter or search, sort, view destroyed | window: construction, fill_lists "
                "and paint |\n|---|---|---|\n");
}

void print_breakdown_row(const std::string& label, const StepTime& core, const StepTime& window) {
    const auto cell = [](const StepTime& time) {
        char text[64];
        if (time.wall_ms == 0 && time.cpu_ms == 0) {
            return std::string();
        }
        std::snprintf(text, sizeof text, "%.0f ms (%.0f ms)", time.wall_ms, time.cpu_ms);
        return std::string(text);
    };
    std::printf("| %s | %s | %s |\n", label.c_str(), cell(core).c_str(), cell(window).c_str());
}
