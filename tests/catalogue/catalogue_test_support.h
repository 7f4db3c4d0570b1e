#pragma once

// Helpers shared by the tests of whatever reads catalogues: archive files in the temporary
// folder, and the names of some records.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "catalogue/catalogue.h"
#include "items/item.h"

namespace catalogue_test {

using namespace torvane;
using Names = std::vector<std::string>;

// The names of some records, first to last.
inline Names names_of(std::span<const Item* const> view) {
    Names names;
    for (const Item* item : view) {
        names.emplace_back(item->name());
    }
    return names;
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
