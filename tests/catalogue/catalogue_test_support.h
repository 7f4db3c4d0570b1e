#pragma once

// Helpers shared by the catalogue tests: records with chosen statistics, archive files in
// the temporary folder, and readers of a list's content.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "catalogue/item_list.h"
#include "items/item.h"

namespace catalogue_test {

using Names = std::vector<std::string>;

// A plain record with every base statistic chosen by the test.
struct Stats {
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
};

class StatItem : public Item {
public:
    StatItem(ItemCategory code, std::string_view name, const Stats& stats) {
        set_category(code);
        read_name(name);
        level_ = stats.level;
        strength_ = stats.strength;
        resistance_ = stats.resistance;
        agility_ = stats.agility;
        wisdom_ = stats.wisdom;
        intelligence_ = stats.intelligence;
    }
};

inline Item* make_stat_item(ItemCategory code, std::string_view name, const Stats& stats = {}) {
    return new StatItem(code, name, stats);
}

// A record made and parsed the way the loader does it; the line must be accepted.
inline Item* make_parsed(int code, std::string_view line) {
    Item* item = create_item(code);
    if (item->parse_line(line) != 0) {
        item->release();
        return nullptr;
    }
    return item;
}

// Fills a list by push_front so that it reads in the order given.
inline void push_in_order(ItemList& list, const std::vector<Item*>& items) {
    std::for_each(items.rbegin(), items.rend(), [&list](Item* item) { list.push_front(item); });
}

// The names of a list's items, first to last, read through the cursor.
inline std::vector<std::string> names_of(ItemList& list) {
    std::vector<std::string> names;
    list.rewind();
    while (Item* item = list.next()) {
        names.push_back(item->name());
    }
    return names;
}

inline std::vector<Item*> items_of(ItemList& list) {
    std::vector<Item*> items;
    list.rewind();
    while (Item* item = list.next()) {
        items.push_back(item);
    }
    return items;
}

// Whether every neighbouring pair is in order: no item sorts before the one ahead of it.
inline bool is_ordered(ItemList& list) {
    const std::vector<Item*> items = items_of(list);
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (items[i]->sorts_before(*items[i - 1])) {
            return false;
        }
    }
    return true;
}

// A file in the temporary folder, removed when the test ends.
class TempArchive {
public:
    explicit TempArchive(std::string_view content) {
        static std::atomic<int> serial{0};
        path_ = std::filesystem::temp_directory_path() /
                ("torvane_catalogue_" + std::to_string(::getpid()) + "_" +
                 std::to_string(serial++) + ".dat");
        std::ofstream out(path_, std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    ~TempArchive() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TempArchive(const TempArchive&) = delete;
    TempArchive& operator=(const TempArchive&) = delete;

    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace catalogue_test
