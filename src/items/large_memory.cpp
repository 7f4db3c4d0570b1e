#include "large_memory.h"

#include <sys/mman.h>

namespace torvane {

namespace {

constexpr std::size_t huge_page = std::size_t{2} << 20;
// From this size on a block is mapped here, in whole huge pages. Smaller ones are left to the
// heap, which maps them itself at first and, once it has freed some, keeps blocks of their
// size for reuse: the window's line arrays and a sort of 100,000 items then cost no page
// faults after the first time.
constexpr std::size_t mapped_from = std::size_t{4} << 20;

std::size_t whole_pages(std::size_t bytes) {
    return (bytes + huge_page - 1) / huge_page * huge_page;
}

} // namespace

// Large blocks are mapped and unmapped here rather than taken from the heap: the heap raises
// its own threshold for mapping to the size of a large block it frees, and then keeps the
// memory of later frees up to twice that size, which put the peak of the window's memory up
// by tens of MiB.
void* allocate_large(std::size_t bytes) {
    if (bytes < mapped_from || address_sanitizer_on) {
        return ::operator new(bytes);
    }
    // One huge page more than needed, so that an aligned block lies inside; the rest goes.
    const std::size_t size = whole_pages(bytes);
    void* const mapped = ::mmap(nullptr, size + huge_page, PROT_READ | PROT_WRITE,
                                MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    auto* const start = static_cast<char*>(mapped);
    const std::size_t head =
        (huge_page - reinterpret_cast<std::uintptr_t>(mapped) % huge_page) % huge_page;
    char* const block = start + head;
    if (head > 0) {
        ::munmap(start, head);
    }
    ::munmap(block + size, huge_page - head);
    // Only advice: without huge pages the block works the same, page by page.
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void free_large(void* block, std::size_t bytes) noexcept {
    if (bytes < mapped_from || address_sanitizer_on) {
        ::operator delete(block);
    } else {
        ::munmap(block, whole_pages(bytes));
    }
}

} // namespace torvane
