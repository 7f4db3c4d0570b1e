#pragma once

// Repeated timings of one step and the Markdown rows that report them.

#include <string>
#include <vector>

#include "window_probe.h"

struct StepSamples {
    std::vector<StepTime> times;
    long found = 0;

    void add(const StepTime& time) { times.push_back(time); }
    // Median of the wall-clock times and of the processor times, each on its own.
    StepTime median() const;
    double max_wall_ms() const;
};

// Targets by catalogue size: the small one up to 100,000 items, the large one beyond.
struct Targets {
    double start_up_ms;
    double action_ms;
    double peak_mib;
    // As shares of the time of `LC_ALL=C sort` on the same file: set for a large catalogue
    // only, where the sort takes long enough to measure against.
    double start_up_share;
    double action_share;
};
Targets targets_for(long items);

// A target of 0 prints no target. A figure meets its target when its median wall-clock
// time is under it; the row also says when only the processor time is.
void print_table_head();
void print_step(const std::string& label, const StepTime& time, double target_ms);
void print_samples(const std::string& label, const StepSamples& samples, double target_ms);

void print_breakdown_head();
void print_breakdown_row(const std::string& label, const StepTime& core, const StepTime& window);
