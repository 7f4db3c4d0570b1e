// The radix sort against a stable sort by comparisons, for keys that differ in every byte,
// keys that share some bytes (passes skipped, an odd number of passes) and keys that all tie.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "base/radix_sort.h"

namespace {

struct Entry {
    std::uint32_t key;
    std::uint32_t place;
    bool operator==(const Entry&) const = default;
};

TEST(RadixSort, OrdersAsAStableSortDoes) {
    std::mt19937 random(7);
    for (const std::uint32_t mask : {0xFFFFFFFFU, 0x00FF00FFU, 0x0000000FU, 0U}) {
        for (const std::uint32_t count : {0U, 1U, 2U, 100U, 5000U}) {
            std::vector<Entry> entries;
            for (std::uint32_t place = 0; place < count; ++place) {
                entries.push_back({static_cast<std::uint32_t>(random()) & mask, place});
            }
            std::vector<Entry> expected = entries;
            std::stable_sort(expected.begin(), expected.end(),
                             [](const Entry& a, const Entry& b) { return a.key < b.key; });
            std::vector<Entry> scratch(entries.size());
            torvane::radix_sort<4>(std::span<Entry>(entries), std::span<Entry>(scratch),
                                   [](const Entry& entry, std::size_t digit) {
                                       return (entry.key >> (8 * digit)) & 0xFFU;
                                   });
            EXPECT_EQ(entries, expected) << "mask " << mask << ", " << count << " entries";
        }
    }
}

} // namespace
