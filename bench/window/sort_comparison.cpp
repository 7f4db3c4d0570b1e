#include "sort_comparison.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "window_probe.h"

namespace {

double ms_of(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

// One run of the sort, or nothing when it could not be started or failed.
bool run_sort_once(const std::string& path, StepTime& time) {
    const Stopwatch watch;
    const pid_t child = ::fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) {
            ::dup2(null, STDOUT_FILENO);
        }
        ::setenv("LC_ALL", "C", 1);
        ::execlp("sort", "sort", path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return false;
    }
    time = {watch.elapsed().wall_ms, ms_of(usage.ru_utime) + ms_of(usage.ru_stime)};
    return true;
}

} // namespace

StepTime time_plain_sort(const std::string& path, int runs) {
    StepSamples samples;
    for (int i = 0; i < runs; ++i) {
        StepTime time;
        if (!run_sort_once(path, time)) {
            return {};
        }
        samples.add(time);
    }
    return samples.median();
}

void print_sort_ratios(const StepTime& sort, const std::vector<SortRatio>& ratios) {
    if (sort.wall_ms <= 0 || sort.cpu_ms <= 0) {
        std::printf("\n`LC_ALL=C sort` could not be run: no ratios.\n");
        return;
    }
    std::printf("\n`LC_ALL=C sort` of the same archive.dat, median: %.0f ms wall clock, %.0f ms "
                "processor time (all its threads)\n\n",
                sort.wall_ms, sort.cpu_ms);
    std::printf("| figure / sort time | wall clock | processor time | goal | met |\n"
                "|---|---|---|---|---|\n");
    for (const SortRatio& ratio : ratios) {
        const double wall = ratio.time.wall_ms / sort.wall_ms;
        const double cpu = ratio.time.cpu_ms / sort.cpu_ms;
        if (ratio.goal <= 0) {
            std::printf("| %s | %.2f | %.2f | | |\n", ratio.label.c_str(), wall, cpu);
            continue;
        }
        const char* met = wall <= ratio.goal  ? "yes"
                          : cpu <= ratio.goal ? "**no** (processor time: yes)"
                                              : "**no**";
        std::printf("| %s | %.2f | %.2f | <= %g | %s |\n", ratio.label.c_str(), wall, cpu,
                    ratio.goal, met);
    }
}
