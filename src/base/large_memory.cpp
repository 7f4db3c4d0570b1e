#include "base/large_memory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace torvane {

namespace {

constexpr std::size_t page = std::size_t{4} << 10;
// From this size on a block is mapped here. Smaller ones are left to the heap, which maps them
// itself at first and, once it has freed some, keeps blocks of their size for reuse: the
// window's line arrays and a sort of 100,000 items then cost no page faults after the first
// time.
constexpr std::size_t mapped_from = std::size_t{4} << 20;

std::size_t whole_pages(std::size_t bytes) {
    return (bytes + page - 1) / page * page;
}

} // namespace

// Large blocks are mapped and unmapped here rather than taken from the heap: the heap raises
// its own threshold for mapping to the size of a large block it frees, and then keeps the
// memory of later frees up to twice that size, which put the peak of the window's memory up
// by tens of MiB. They are not asked for huge pages: where memory is fragmented, the kernel
// compacts it for them on the first touch, which stalled a reading of a million items by up to
// two seconds, where ordinary pages cost a steady 0.5 ms per MiB (bench/README.md).
void* allocate_large(std::size_t bytes) {
    if (bytes < mapped_from || address_sanitizer_on) {
        return ::operator new(bytes);
    }
    void* const block = ::mmap(nullptr, whole_pages(bytes), PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return block;
}

void prefault(void* at, std::size_t bytes) noexcept {
    // Blocks of the heap are mostly in use already; only the mapped ones are fresh.
    if (bytes < mapped_from || address_sanitizer_on) {
        return;
    }
    const auto first = reinterpret_cast<std::uintptr_t>(at) / page * page;
    const auto end = reinterpret_cast<std::uintptr_t>(at) + bytes;
    // Only a hint: where the system cannot, the pages come on first touch as before.
    ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

void PrefaultAhead::advance() noexcept {
    const std::size_t stretch = std::min<std::size_t>(mapped_from, end_ - ready_);
    prefault(ready_, stretch);
    ready_ += stretch;
}

void free_large(void* block, std::size_t bytes) noexcept {
    if (bytes < mapped_from || address_sanitizer_on) {
        ::operator delete(block);
    } else {
        ::munmap(block, whole_pages(bytes));
    }
}

} // namespace torvane
