#include <array>

#include "item_list.h"
#include "item_list_walk.h"
#include "items/text_1252.h"

namespace {

// The bounds that are tested (those above 0), each with the statistic it reads.
class StatBounds {
public:
    StatBounds(const std::array<std::int32_t, 7>& limits, int bound_mode)
        : at_least_(bound_mode == 0) {
        static constexpr std::array<std::int32_t (Item::*)() const, 7> statistics = {
            &Item::level,  &Item::strength,     &Item::resistance, &Item::agility,
            &Item::wisdom, &Item::intelligence, &Item::attack};
        for (std::size_t i = 0; i < limits.size(); ++i) {
            if (limits[i] > 0) {
                tested_[count_++] = {statistics[i], limits[i]};
            }
        }
    }

    // Whether item meets every tested bound: at least the bound in mode 0, at most in mode 1.
    bool pass(const Item& item) const {
        for (std::size_t i = 0; i < count_; ++i) {
            const std::int32_t value = (item.*tested_[i].statistic)();
            if (at_least_ ? value < tested_[i].limit : value > tested_[i].limit) {
                return false;
            }
        }
        return true;
    }

private:
    struct Bound {
        std::int32_t (Item::*statistic)() const;
        std::int32_t limit;
    };
    std::array<Bound, 7> tested_{};
    std::size_t count_ = 0;
    bool at_least_;
};

// The lower case of every byte, read from the one Windows-1252 rule; a name search looks
// up every byte of every name.
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

// Whether the lower-cased name contains text (already lower case), without copying it.
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

} // namespace

std::unique_ptr<ItemList> ItemList::filter_stats(std::int32_t level, std::int32_t strength,
                                                 std::int32_t resistance, std::int32_t agility,
                                                 std::int32_t wisdom, std::int32_t intelligence,
                                                 std::int32_t attack, int bound_mode) const {
    const StatBounds bounds({level, strength, resistance, agility, wisdom, intelligence, attack},
                            bound_mode);
    auto result = std::make_unique<ItemList>();
    visit_items(false, [&](const Node* node) {
        if (bounds.pass(*node->item)) {
            result->push_front(node->item->retain());
        }
    });
    return result;
}

std::unique_ptr<ItemList> ItemList::filter_min(std::int32_t level, std::int32_t strength,
                                               std::int32_t resistance, std::int32_t agility,
                                               std::int32_t wisdom, std::int32_t intelligence,
                                               std::int32_t attack) const {
    return filter_stats(level, strength, resistance, agility, wisdom, intelligence, attack, 0);
}

std::unique_ptr<ItemList> ItemList::search_name(std::string_view text) const {
    auto result = std::make_unique<ItemList>();
    visit_items(!text.empty(), [&](const Node* node) {
        if (name_contains(node->item->name_view(), text)) {
            result->push_front(node->item->retain());
        }
    });
    return result;
}
