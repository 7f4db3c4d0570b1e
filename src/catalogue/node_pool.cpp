#include "node_pool.h"

#include <new>
#include <type_traits>

#include "items/large_memory.h"

namespace {

constexpr std::size_t block_size = std::size_t{2} << 20;

} // namespace

void* NodePool::take() {
    if (address_sanitizer_on) {
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
    if (address_sanitizer_on) {
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
