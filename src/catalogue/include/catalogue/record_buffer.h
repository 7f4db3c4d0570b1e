#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <type_traits>

#include "base/large_memory.h"
#include "items/item.h"

namespace torvane {

// Room for the records of one reading, made in place by the loader, room for a record per
// line of the file. Records are plain values, copied as bytes and never destroyed one by one:
// the room is freed whole. Room never written to costs no memory (see large_memory.h).
class RecordBuffer {
public:
    RecordBuffer() = default;
    explicit RecordBuffer(std::size_t capacity)
        : block_(capacity * sizeof(Item)), capacity_(capacity) {}

    // The room from place from on, where the loader makes records with std::construct_at.
    std::span<Item> room(std::size_t from) { return {data() + from, capacity_ - from}; }

    // The records made, the first count places.
    std::span<const Item> items() const { return {data(), size_}; }
    std::span<Item> items() { return {data(), size_}; }
    void set_size(std::size_t count) { size_ = count; }

    // Moves count records from place from down to place to, closing a gap.
    void move_down(std::size_t from, std::size_t to, std::size_t count) {
        std::memmove(data() + to, data() + from, count * sizeof(Item));
    }

private:
    static_assert(std::is_trivially_copyable_v<Item> && std::is_trivially_destructible_v<Item>);

    Item* data() const { return reinterpret_cast<Item*>(block_.data()); }

    LargeBlock block_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

} // namespace torvane
