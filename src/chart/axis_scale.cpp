#include "chart/axis_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace torvane {

namespace {

// Steps finer than this tell nothing about catalogue values, whose descriptions show five
// significant digits at most; it also keeps the count of decimals small.
constexpr double finest_step = 1e-6;

int decimals_of(double step) {
    if (step >= 1) {
        return 0;
    }
    // A step of 0.5 or 0.2 needs one decimal, 0.05 two; the small slack absorbs the rounding
    // of log10 at exact powers of ten.
    return static_cast<int>(-std::floor(std::log10(step) + 1e-9));
}

} // namespace

int AxisScale::tick_count() const {
    return static_cast<int>(std::lround((high - low) / step)) + 1;
}

AxisScale nice_scale(double least, double most, int max_ticks, AxisValues values) {
    if (!std::isfinite(least) || !std::isfinite(most)) {
        least = 0;
        most = 0;
    }
    const double low_value = std::min({least, most, 0.0});
    const double high_value = std::max({least, most, 0.0});
    max_ticks = std::max(max_ticks, 2);
    const double span = high_value - low_value;
    if (span <= 0) {
        return AxisScale{0, 1, 1, 0};
    }
    const double smallest_step = values == AxisValues::whole ? 1.0 : finest_step;
    const double rough = std::max(span / (max_ticks - 1), smallest_step);
    double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    constexpr std::array<double, 3> multiples = {1, 2, 5};
    // The first round step at or above the rough one that fits; rounding the ends outwards can
    // add a tick, so up to two magnitudes more are tried.
    for (int round = 0; round < 3; ++round, magnitude *= 10) {
        for (const double multiple : multiples) {
            const double step = std::max(multiple * magnitude, smallest_step);
            AxisScale scale{std::floor(low_value / step) * step,
                            std::ceil(high_value / step) * step, step, decimals_of(step)};
            if (step >= rough && scale.tick_count() <= max_ticks) {
                return scale;
            }
        }
    }
    // Only a span across 0 with room for two ticks gets here: no round step puts both ends on
    // ticks, so the ends are the ticks.
    return AxisScale{low_value, high_value, span, decimals_of(span)};
}

} // namespace torvane
