#include "node_pool.h"

#include <new>
#include <type_traits>

#include "items/large_memory.h"

namespace {

constexpr std::size_t block_size = std::size_t{2} << 20;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool checked_heap = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool checked_heap = true;
#else
constexpr bool checked_heap = false;
#endif
#else
constexpr bool checked_heap = false;
#endif

} // namespace

void* NodePool::take() {
    if (checked_heap) {
        return ::operator new(node_size);
    }
    const std::scoped_lock hold(lock_);
    if (free_ != nullptr) {
        FreeNode* const node = free_;
        free_ = node->next;
        return node;
    }
    if (block_ == nullptr || used_ + node_size > block_size) {
        // Blocks are never given back: their nodes are reused.
        block_ = static_cast<std::byte*>(allocate_large(block_size));
        used_ = 0;
    }
    void* const node = block_ + used_;
    used_ += node_size;
    return node;
}

void NodePool::give_back(void* node) noexcept {
    if (checked_heap) {
        ::operator delete(node);
        return;
    }
    const std::scoped_lock hold(lock_);
    free_ = ::new (node) FreeNode{free_};
}

NodePool& node_pool() {
    // Constant-initialised and trivially destroyed: usable from any static destructor.
    static_assert(std::is_trivially_destructible_v<NodePool>);
    constinit static NodePool pool;
    return pool;
}
