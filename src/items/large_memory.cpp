#include "large_memory.h"

#include <sys/mman.h>

namespace {

constexpr std::size_t huge_page = std::size_t{2} << 20;

} // namespace

void* allocate_large(std::size_t bytes) {
    if (bytes < huge_page) {
        return ::operator new(bytes);
    }
    void* const block = ::operator new (bytes, std::align_val_t{huge_page});
    // Only advice: without huge pages the block works the same, page by page.
    ::madvise(block, bytes, MADV_HUGEPAGE);
    return block;
}

void free_large(void* block, std::size_t bytes) noexcept {
    if (bytes < huge_page) {
        ::operator delete(block);
    } else {
        ::operator delete (block, std::align_val_t{huge_page});
    }
}
