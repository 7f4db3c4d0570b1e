#include "record_filters.h"

#include "base/text_1252.h"

namespace torvane {

namespace {

using Statistic = std::int32_t (*)(const Item&);

// The statistics a filter reads, in the order of StatBounds.
constexpr std::array<Statistic, 7> statistics = {
    [](const Item& item) { return item.level; },
    [](const Item& item) { return item.strength; },
    [](const Item& item) { return item.resistance; },
    [](const Item& item) { return item.agility; },
    [](const Item& item) { return item.wisdom; },
    [](const Item& item) { return item.intelligence; },
    [](const Item& item) { return attack(item); },
};

// The lower case of every byte, from the one Windows-1252 rule; a name search looks up every
// byte of every name.
const std::array<unsigned char, 256>& lower_case_table() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> lower{};
        for (std::size_t byte = 0; byte < lower.size(); ++byte) {
            lower[byte] = to_lower_1252(static_cast<unsigned char>(byte));
        }
        return lower;
    }();
    return table;
}

} // namespace

BoundsFilter::BoundsFilter(const StatBounds& bounds, BoundMode mode)
    : at_least_(mode == BoundMode::at_least) {
    const std::array<std::int32_t, 7> limits = {
        bounds.level,  bounds.strength,     bounds.resistance, bounds.agility,
        bounds.wisdom, bounds.intelligence, bounds.attack};
    for (std::size_t i = 0; i < limits.size(); ++i) {
        if (limits[i] > 0) {
            tested_[count_++] = {statistics[i], limits[i]};
        }
    }
}

bool BoundsFilter::pass(const Item& item) const {
    for (std::size_t i = 0; i < count_; ++i) {
        const std::int32_t value = tested_[i].statistic(item);
        if (at_least_ ? value < tested_[i].limit : value > tested_[i].limit) {
            return false;
        }
    }
    return true;
}

// Without copying the name.
bool name_contains(std::string_view name, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (name.size() < text.size()) {
        return false;
    }
    const auto& lower = lower_case_table();
    const auto lower_at = [&](std::size_t i) { return lower[static_cast<unsigned char>(name[i])]; };
    const auto first = static_cast<unsigned char>(text.front());
    for (std::size_t i = 0; i + text.size() <= name.size(); ++i) {
        if (lower_at(i) != first) {
            continue;
        }
        std::size_t j = 1;
        while (j < text.size() && lower_at(i + j) == static_cast<unsigned char>(text[j])) {
            ++j;
        }
        if (j == text.size()) {
            return true;
        }
    }
    return false;
}

} // namespace torvane
