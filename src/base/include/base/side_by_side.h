#pragma once

#include <system_error>
#include <thread>

namespace torvane {

// Runs first on this thread and second on another, side by side, and returns when both have
// ended; where no thread can be had, both run here, one after the other. The two must not
// touch the same data, and each must give the same result whichever way they run.
template <typename First, typename Second> void side_by_side(First&& first, Second&& second) {
    std::jthread other;
    try {
        other = std::jthread([&second] { second(); });
    } catch (const std::system_error&) {
        first();
        second();
        return;
    }
    first();
}

} // namespace torvane
