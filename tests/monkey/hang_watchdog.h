#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class ActionLog;

// Fails the run when the window does not come back from an action in time. A thread of its
// own waits out each action; past the limit it prints the log and ends the process, as the
// window's own thread is stuck and cannot.
class HangWatchdog {
public:
    HangWatchdog(const ActionLog& log, std::chrono::seconds limit);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    // An action starts: it must end within the limit.
    void arm();
    // The action ended and the invariants were checked.
    void disarm();

private:
    void watch();

    const ActionLog& log_;
    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool quitting_ = false;
    std::chrono::steady_clock::time_point deadline_;
    std::thread thread_;
};
