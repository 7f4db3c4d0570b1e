#pragma once

namespace torvane {

// Whether an axis shows only whole numbers (requirements, levels), so that its ticks are never
// fractions, or any number (efficacy).
enum class AxisValues { whole, fractional };

// The ticks of one chart axis: low, low + step, ... up to high, in round steps (1, 2 or 5 times
// a power of ten), numbers a reader takes in at a glance.
struct AxisScale {
    double low = 0;
    double high = 1;
    double step = 1;
    // Digits after the decimal point that tell every tick apart.
    int decimals = 0;

    int tick_count() const;
    double tick(int i) const { return low + step * i; }
};

// The scale that covers 0 and every value from least to most (in either order) in at most
// max_ticks ticks (at least 2), with the smallest round step that allows. Values should go
// through chart_coordinate first; a NaN or infinite bound gives the scale of 0 alone, 0 to 1.
AxisScale nice_scale(double least, double most, int max_ticks, AxisValues values);

} // namespace torvane
