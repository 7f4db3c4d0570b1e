#pragma once

// Helpers shared by the catalogue tests: records with chosen statistics, catalogues and
// archive files in the temporary folder, and readers of a view's content.

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/item_view.h"
#include "items/item.h"
#include "items/parse_line.h"

namespace catalogue_test {

using namespace torvane;
using Names = std::vector<std::string>;

// The base statistics a test chooses for a record.
struct Stats {
    std::int32_t level = 0;
    std::int32_t strength = 0;
    std::int32_t resistance = 0;
    std::int32_t agility = 0;
    std::int32_t wisdom = 0;
    std::int32_t intelligence = 0;
};

// Records made by the test, which stay where they are while it adds more, and the view of
// them in the order they were added. Names must outlive the records (string literals).
class Records {
public:
    // A record of the undefined category with the statistics chosen.
    void add(std::string_view name, const Stats& stats = {}) {
        Item& item = items_.emplace_back();
        item.line = name.data();
        item.name_size = static_cast<std::uint32_t>(name.size());
        item.level = stats.level;
        item.strength = stats.strength;
        item.resistance = stats.resistance;
        item.agility = stats.agility;
        item.wisdom = stats.wisdom;
        item.intelligence = stats.intelligence;
    }
    // A record read from a data line of the category; the line must be accepted.
    void add_parsed(int code, std::string_view line) {
        Item& item = items_.emplace_back();
        if (parse_line(item, code, line) != ParseResult::accepted) {
            items_.pop_back();
        }
    }

    ItemView view() const {
        ItemView view;
        for (const Item& item : items_) {
            view.push_back(&item);
        }
        return view;
    }

private:
    std::deque<Item> items_;
};

// The names of a view's records, first to last.
inline Names names_of(std::span<const Item* const> view) {
    Names names;
    for (const Item* item : view) {
        names.emplace_back(item->name());
    }
    return names;
}

// Whether no record of the view sorts before the one ahead of it.
inline bool is_ordered(std::span<const Item* const> view, SortMode mode) {
    for (std::size_t i = 1; i < view.size(); ++i) {
        if (sorts_before(*view[i], *view[i - 1], mode)) {
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
