// Feeds arbitrary bytes as a data line to the record of every category, then asks each
// record for everything it derives from the line.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "items/item.h"
#include "items/sort_mode.h"

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    constexpr int category_count = 21;
    std::array<Item*, category_count> items{};
    for (int code = 0; code < category_count; ++code) {
        Item* const item = create_item(code);
        const int result = item->parse_line(line);
        if (result < 0 || result > 2 || item->category() != code) {
            std::abort();
        }
        const std::string description = item->description();
        if (description != item->description() || description != item->cached_description()) {
            std::abort(); // the description is rendered once and then kept
        }
        if (item->requirement() < 0 || item->requirement() != item->requirement()) {
            std::abort();
        }
        const float efficacy = item->efficacy();
        if (!(efficacy >= 0.0F) || efficacy != item->efficacy()) {
            std::abort();
        }
        item->name();
        item->location();
        item->attack();
        items[static_cast<std::size_t>(code)] = item;
    }
    // Every ordering must be irreflexive, whatever the fields hold.
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        set_current_sort_mode(mode);
        for (const Item* item : items) {
            if (item->sorts_before(*item)) {
                std::abort();
            }
        }
    }
    for (Item* item : items) {
        item->release();
    }
    return 0;
}
