#include "record_text.h"

#include <algorithm>

#include "record_arena.h"

void RecordText::assign(std::string_view text, RecordArena* arena) {
    // Copy before freeing: text may be this very text.
    const char* data = nullptr;
    std::size_t size = 0;
    if (!text.empty() && arena != nullptr) {
        data = arena->copy(text).data();
        size = text.size();
    } else if (!text.empty()) {
        auto own = std::make_unique_for_overwrite<char[]>(text.size());
        std::copy(text.begin(), text.end(), own.get());
        data = own.release();
        size = text.size() | own_flag;
    }
    free_own();
    data_ = data;
    size_ = size;
}

void RecordText::free_own() {
    if ((size_ & own_flag) != 0) {
        // Taken back by the owner that made it, which frees it.
        const std::unique_ptr<const char[]> own(data_);
    }
    data_ = nullptr;
    size_ = 0;
}
