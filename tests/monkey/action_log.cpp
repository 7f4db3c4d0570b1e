#include "action_log.h"

#include <cstdio>

void ActionLog::add_action(const std::string& name) {
    const std::lock_guard lock(mutex_);
    ++actions_;
    lines_.push_back(std::to_string(actions_) + ". " + name);
}

void ActionLog::amend(const std::string& detail) {
    const std::lock_guard lock(mutex_);
    if (!lines_.empty()) {
        lines_.back() += " " + detail;
    }
}

void ActionLog::add_note(const std::string& note) {
    const std::lock_guard lock(mutex_);
    lines_.push_back("-- " + note);
}

std::size_t ActionLog::actions() const {
    const std::lock_guard lock(mutex_);
    return actions_;
}

void ActionLog::print_failure(const std::string& reason) const {
    // A sanitizer may stop the process inside one of the calls above: never wait then.
    const std::unique_lock lock(mutex_, std::try_to_lock);
    const auto seed = static_cast<unsigned long long>(seed_);
    std::fprintf(stderr, "\nmonkey FAILED: %s\nseed %llu\n", reason.c_str(), seed);
    if (!lock.owns_lock()) {
        std::fprintf(stderr, "(the action list was being written)\n");
        return;
    }
    std::fprintf(stderr, "actions:\n");
    for (const std::string& line : lines_) {
        std::fprintf(stderr, "  %s\n", line.c_str());
    }
    std::fprintf(stderr, "seed %llu, %zu actions; replay: scripts/monkey.sh --replay %llu %zu\n",
                 seed, actions_, seed, actions_);
    std::fflush(stderr);
}

void ActionLog::print_all() const {
    const std::lock_guard lock(mutex_);
    for (const std::string& line : lines_) {
        std::printf("  %s\n", line.c_str());
    }
}
