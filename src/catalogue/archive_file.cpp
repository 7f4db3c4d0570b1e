#include "archive_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

// The file is read in one block of the size it claims, and on to its end should it have grown
// meanwhile (some files of the system claim no size at all).
bool ArchiveFile::read(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    const std::uintmax_t claimed = std::filesystem::file_size(path, error);
    // One byte more than claimed, so that the first read already meets the end.
    std::size_t capacity =
        error ? std::size_t{1} << 16 : std::max<std::size_t>(claimed + 1, std::size_t{1} << 16);
    block_ = LargeBlock(capacity);
    size_ = 0;
    for (;;) {
        size_ += std::fread(chars() + size_, 1, capacity - size_, file.get());
        if (size_ < capacity) {
            return std::ferror(file.get()) == 0;
        }
        LargeBlock grown(capacity * 2);
        std::copy_n(block_.data(), size_, grown.data());
        block_ = std::move(grown);
        capacity *= 2;
    }
}
