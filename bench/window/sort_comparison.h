#pragma once

// The yardstick of the window benchmark: `LC_ALL=C sort` of the same archive, run as a child
// process, and the ratios of the window's figures to it.

#include <string>
#include <vector>

#include "step_samples.h"

// Median wall clock and median processor time (user and system, all its threads) of
// `LC_ALL=C sort PATH > /dev/null`, run `runs` times; zero when sort cannot be run.
StepTime time_plain_sort(const std::string& path, int runs);

// One figure to hold against the sort, with the most it may take as a share of it.
struct SortRatio {
    std::string label;
    StepTime time;
    double goal; // e.g. 0.5 for start-up, 0.1 for an action; 0 for none
};

// Prints the sort's figures and, for each figure, its ratio to the sort in wall clock and in
// processor time, and whether it meets its goal.
void print_sort_ratios(const StepTime& sort, const std::vector<SortRatio>& ratios);
