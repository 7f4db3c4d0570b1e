#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "large_memory.h"

// The memory of the records of one load and of their texts, handed out in the order they
// are made: a walk of the records in file order then reads memory in order, and a record's
// texts lie right after it.
//
// Every record made in an arena holds one reference of it, and the arena frees its memory
// only when its last holder lets go. However the catalogue, its filtered views and the
// reloads release their records, no record outlives its memory.
class RecordArena {
public:
    // A new arena holding one reference, the caller's.
    static RecordArena* create();
    RecordArena(const RecordArena&) = delete;
    RecordArena& operator=(const RecordArena&) = delete;

    RecordArena* retain();
    void release();

    // Memory for one record of size bytes, aligned as any record needs.
    void* allocate(std::size_t size);
    // A copy of text in the arena.
    std::string_view copy(std::string_view text);

    // Where the arena stands, to give back the memory of a record dropped right after it
    // was made (a rejected line) with roll_back.
    struct Mark {
        std::size_t blocks = 0;
        std::size_t used = 0;
    };
    Mark mark() const { return {blocks_.size(), used_}; }
    void roll_back(const Mark& mark);

    // Whether records still copy their texts in here: only while the loader fills it.
    bool open() const { return open_; }
    void close() { open_ = false; }

private:
    RecordArena() = default;
    ~RecordArena() = default;

    std::byte* take(std::size_t size, std::size_t alignment);

    std::vector<LargeBlock> blocks_;
    std::size_t used_ = 0; // bytes of the last block in use
    std::int64_t ref_count_ = 1;
    bool open_ = true;
};
