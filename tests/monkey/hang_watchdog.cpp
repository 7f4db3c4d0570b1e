#include "hang_watchdog.h"

#include <cstdlib>
#include <string>

#include "action_log.h"

HangWatchdog::HangWatchdog(const ActionLog& log, std::chrono::seconds limit)
    : log_(log), limit_(limit), thread_([this] { watch(); }) {
}

HangWatchdog::~HangWatchdog() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    changed_.notify_one();
    thread_.join();
}

void HangWatchdog::arm() {
    {
        const std::lock_guard lock(mutex_);
        armed_ = true;
        deadline_ = std::chrono::steady_clock::now() + limit_;
    }
    changed_.notify_one();
}

void HangWatchdog::disarm() {
    const std::lock_guard lock(mutex_);
    armed_ = false;
}

void HangWatchdog::watch() {
    std::unique_lock lock(mutex_);
    while (!quitting_) {
        if (!armed_) {
            changed_.wait(lock);
            continue;
        }
        const auto deadline = deadline_;
        if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && armed_ &&
            deadline_ == deadline) {
            log_.print_failure("the window did not answer within " +
                               std::to_string(limit_.count()) + " s: the last action hangs");
            std::_Exit(3);
        }
    }
}
