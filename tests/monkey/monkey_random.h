#pragma once

#include <cstdint>
#include <random>

// The monkey's one source of chance: the same seed gives the same run, action for action.
class MonkeyRandom {
public:
    explicit MonkeyRandom(std::uint64_t seed) : engine_(seed) {}

    // A number in [0, n); 0 when n is 0 or less.
    int below(int n) {
        return n <= 0 ? 0 : static_cast<int>(engine_() % static_cast<std::uint64_t>(n));
    }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

private:
    std::mt19937_64 engine_;
};
