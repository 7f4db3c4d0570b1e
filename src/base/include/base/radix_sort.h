#pragma once

// A stable least-significant-digit radix sort by bytes: sort keys and name chunks are fixed
// unsigned numbers, which it orders in a few linear passes, with no comparisons and no input
// that makes it slower than Digits passes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace torvane {

// Sorts items by the number whose Digits bytes digit(item, d) gives, d = 0 the least
// significant, keeping the order of equal items. scratch has the size of items. A digit that
// all items share costs no pass.
template <std::size_t Digits, typename T, typename Digit>
void radix_sort(std::span<T> items, std::span<T> scratch, Digit digit) {
    std::array<std::array<std::size_t, 256>, Digits> counts{};
    for (const T& item : items) {
        for (std::size_t d = 0; d < Digits; ++d) {
            ++counts[d][digit(item, d)];
        }
    }
    T* from = items.data();
    T* to = scratch.data();
    for (std::size_t d = 0; d < Digits; ++d) {
        std::array<std::size_t, 256>& places = counts[d];
        if (std::find(places.begin(), places.end(), items.size()) != places.end()) {
            continue;
        }
        std::size_t offset = 0;
        for (std::size_t& place : places) {
            const std::size_t count = place;
            place = offset;
            offset += count;
        }
        for (const T* item = from; item != from + items.size(); ++item) {
            to[places[digit(*item, d)]++] = *item;
        }
        std::swap(from, to);
    }
    if (from != items.data()) {
        std::copy_n(from, items.size(), items.data());
    }
}

} // namespace torvane
