#pragma once

#include <cstddef>
#include <mutex>

// Memory for the nodes of every list: blocks of 2 MiB (huge pages, see large_memory.h) cut
// into nodes, with freed nodes kept for the next list. A million nodes from the ordinary heap
// cost a million small allocations and thousands of page faults on first touch; from here
// they cost a lock and a pointer each, and half the memory.
//
// One pool serves the whole process, behind a lock, since a node made by one list may be
// freed by another. It is never destroyed: lists that live until the very end of the program
// (the catalogue) free their nodes after every other static object is gone, and the memory
// goes with the process. Under AddressSanitizer nodes come from the ordinary heap, so that a
// node used after it was freed is caught.
class NodePool {
public:
    // The size of every node.
    static constexpr std::size_t node_size = 16;

    constexpr NodePool() = default;

    // Memory for one node of node_size bytes at most.
    void* take();
    void give_back(void* node) noexcept;

private:
    struct FreeNode {
        FreeNode* next;
    };

    std::mutex lock_;
    FreeNode* free_ = nullptr;
    std::byte* block_ = nullptr; // the block nodes are cut from
    std::size_t used_ = 0;       // bytes of it taken
};

NodePool& node_pool();
