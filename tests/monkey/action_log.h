#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Every action of a run in order, with the seed: what a failing run prints so that the same
// seed and action count replay it. The hang watchdog and a dying sanitizer read it from other
// threads, so it takes a lock.
class ActionLog {
public:
    explicit ActionLog(std::uint64_t seed) : seed_(seed) {}

    // A new action; its details follow through amend() as the action chooses them, so a
    // crash in the middle of it still shows what it was doing.
    void add_action(const std::string& name);
    void amend(const std::string& detail);
    // A line that is not an action, such as the start of a session.
    void add_note(const std::string& note);
    std::size_t actions() const;

    // Prints why the run failed, the seed, the log and the command that replays the run.
    // Safe from any thread; when the log is busy it prints without the list.
    void print_failure(const std::string& reason) const;
    // Prints the whole log, to compare two runs.
    void print_all() const;

private:
    mutable std::mutex mutex_;
    std::uint64_t seed_;
    std::vector<std::string> lines_;
    std::size_t actions_ = 0;
};
