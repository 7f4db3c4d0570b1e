#include <array>

#include "item_list.h"
#include "items/text_1252.h"

namespace {

// Whether item meets every bound above 0: at least the bound in mode 0, at most in mode 1.
bool passes(const Item& item, const std::array<std::int32_t, 7>& bounds, int bound_mode) {
    const std::array<std::int32_t, 7> values = {
        item.level(),  item.strength(),     item.resistance(), item.agility(),
        item.wisdom(), item.intelligence(), item.attack()};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        if (bounds[i] <= 0) {
            continue;
        }
        const bool ok = bound_mode == 0 ? values[i] >= bounds[i] : values[i] <= bounds[i];
        if (!ok) {
            return false;
        }
    }
    return true;
}

// Whether the lower-cased name contains text (already lower case), without copying it.
bool name_contains(std::string_view name, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (name.size() < text.size()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(text.front());
    for (std::size_t i = 0; i + text.size() <= name.size(); ++i) {
        if (to_lower_1252(static_cast<unsigned char>(name[i])) != first) {
            continue;
        }
        std::size_t j = 1;
        while (j < text.size() && to_lower_1252(static_cast<unsigned char>(name[i + j])) ==
                                      static_cast<unsigned char>(text[j])) {
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
    const std::array<std::int32_t, 7> bounds = {level,  strength,     resistance, agility,
                                                wisdom, intelligence, attack};
    auto result = std::make_unique<ItemList>();
    Node* node = first();
    for (std::int32_t i = 0; i < count_; ++i, node = node->next) {
        if (passes(*node->item, bounds, bound_mode)) {
            result->push_front(node->item->retain());
        }
    }
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
    Node* node = first();
    for (std::int32_t i = 0; i < count_; ++i, node = node->next) {
        if (name_contains(node->item->name_view(), text)) {
            result->push_front(node->item->retain());
        }
    }
    return result;
}
