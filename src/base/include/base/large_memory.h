#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace torvane {

// Whether AddressSanitizer watches this build: memory managed here then comes from the
// ordinary heap, so that its misuse is caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool address_sanitizer_on = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool address_sanitizer_on = true;
#else
constexpr bool address_sanitizer_on = false;
#endif
#else
constexpr bool address_sanitizer_on = false;
#endif

// Memory for large arrays and for the bytes and records of a catalogue: blocks of 4 MiB and
// more are mapped from the system and given back to it when freed; smaller ones come from the
// ordinary heap. Fresh memory costs a page fault per page on its first touch, so the program
// touches as little fresh memory as it can; a mapped block's pages that are never touched
// cost nothing.
void* allocate_large(std::size_t bytes);
// Frees a block of allocate_large; bytes must be the size it was asked for.
void free_large(void* block, std::size_t bytes) noexcept;

// Makes the pages of bytes of memory from at writable in one call to the system, where the
// first write to each would stop the program once per page: under a hypervisor, such a stop
// costs more than clearing the page (bench/README.md). Only for memory about to be written
// whole: every page asked for is then in use.
void prefault(void* at, std::size_t bytes) noexcept;

// For an array written front to back whose end is not known beforehand (a record per line,
// of lines not all kept): makes its pages writable a stretch at a time, just ahead of the
// writing, so that room never written still costs nothing.
class PrefaultAhead {
public:
    template <typename T>
    explicit PrefaultAhead(T* begin, std::size_t count)
        : ready_(reinterpret_cast<std::byte*>(begin)),
          end_(reinterpret_cast<std::byte*>(begin + count)) {}

    // Call before writing the memory up to end.
    void before_writing(const void* end) {
        if (static_cast<const std::byte*>(end) > ready_) {
            advance();
        }
    }

private:
    void advance() noexcept;

    std::byte* ready_;
    std::byte* end_;
};

// A block of allocate_large that frees itself.
class LargeBlock {
public:
    LargeBlock() = default;
    explicit LargeBlock(std::size_t bytes)
        : data_(static_cast<std::byte*>(allocate_large(bytes))), size_(bytes) {}
    ~LargeBlock() { reset(); }
    LargeBlock(LargeBlock&& other) noexcept : data_(other.data_), size_(other.size_) {
        other.data_ = nullptr;
        other.size_ = 0;
    }
    LargeBlock& operator=(LargeBlock&& other) noexcept {
        if (this != &other) {
            reset();
            std::swap(data_, other.data_);
            std::swap(size_, other.size_);
        }
        return *this;
    }
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    std::byte* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    void reset() noexcept {
        if (data_ != nullptr) {
            free_large(data_, size_);
        }
        data_ = nullptr;
        size_ = 0;
    }

    std::byte* data_ = nullptr;
    std::size_t size_ = 0;
};

template <typename T> class LargeAllocator {
public:
    using value_type = T;

    LargeAllocator() = default;
    template <typename U> explicit LargeAllocator(const LargeAllocator<U>& /*other*/) {}

    // The pages of a large vector's room are made writable at once: such vectors are made
    // with their size, or reserve only what they will hold.
    T* allocate(std::size_t n) {
        T* const block = static_cast<T*>(allocate_large(n * element_size));
        prefault(block, n * element_size);
        return block;
    }
    void deallocate(T* block, std::size_t n) noexcept { free_large(block, n * element_size); }

private:
    // NOLINTNEXTLINE(bugprone-sizeof-expression): an element may well be a pointer
    static constexpr std::size_t element_size = sizeof(T);

    friend bool operator==(const LargeAllocator& /*a*/, const LargeAllocator& /*b*/) {
        return true;
    }
};

template <typename T> using LargeVector = std::vector<T, LargeAllocator<T>>;

} // namespace torvane
