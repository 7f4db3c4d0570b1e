#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

class RecordArena;

// A text held by a record: none (which reads as empty), a copy the record owns, or a copy in
// the arena that holds the record, which lives as long as the record does. Sixteen bytes, and
// no allocation of its own for the texts of a loaded catalogue.
class RecordText {
public:
    RecordText() = default;
    ~RecordText() { free_own(); }
    RecordText(const RecordText&) = delete;
    RecordText& operator=(const RecordText&) = delete;

    std::string_view view() const { return {data_, size_ & size_mask}; }
    bool empty() const { return (size_ & size_mask) == 0; }

    // Stores a copy of text, the empty text as none: in the arena when one is given, else
    // in memory of its own. Text may be a view of this very text.
    void assign(std::string_view text, RecordArena* arena = nullptr);

private:
    static constexpr std::size_t own_flag = std::size_t{1} << (sizeof(std::size_t) * 8 - 1);
    static constexpr std::size_t size_mask = own_flag - 1;

    void free_own();

    const char* data_ = nullptr;
    std::size_t size_ = 0; // the length, with own_flag set when data_ is the record's own
};
