#include "record_arena.h"

#include <algorithm>

namespace {

// Blocks grow from small (a test's few records) to large (a million records in a few dozen
// blocks); untouched memory of the last block costs nothing resident.
constexpr std::size_t first_block = std::size_t{16} << 10;
constexpr std::size_t largest_block = std::size_t{8} << 20;
constexpr std::size_t record_alignment = alignof(std::max_align_t);

} // namespace

RecordArena* RecordArena::create() {
    return new RecordArena;
}

RecordArena* RecordArena::retain() {
    ++ref_count_;
    return this;
}

void RecordArena::release() {
    if (--ref_count_ == 0) {
        delete this;
    }
}

void* RecordArena::allocate(std::size_t size) {
    return take(size, record_alignment);
}

std::string_view RecordArena::copy(std::string_view text) {
    std::byte* const at = take(text.size(), 1);
    auto* const chars = reinterpret_cast<char*>(at);
    std::copy(text.begin(), text.end(), chars);
    return {chars, text.size()};
}

void RecordArena::roll_back(const Mark& mark) {
    // Blocks begun since the mark go; the record may have begun in an earlier one.
    blocks_.resize(mark.blocks);
    used_ = mark.used;
}

std::byte* RecordArena::take(std::size_t size, std::size_t alignment) {
    std::size_t at = (used_ + alignment - 1) / alignment * alignment;
    if (blocks_.empty() || at + size > blocks_.back().size()) {
        const std::size_t grown = blocks_.empty() ? first_block : blocks_.back().size() * 2;
        blocks_.emplace_back(std::max(std::min(grown, largest_block), size));
        at = 0;
    }
    used_ = at + size;
    return blocks_.back().data() + at;
}
