#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "base/large_memory.h"
#include "catalogue/read_status.h"

namespace torvane {

struct ArchiveRead;

// Gives a mapping of so many bytes back to the system.
struct Unmap {
    std::size_t bytes = 0;
    void operator()(const std::byte* at) const noexcept;
};

// The bytes of an archive, read from a file in one block or copied from memory.
class ArchiveFile {
public:
    ArchiveFile() = default;

    // Reads the whole file at path (bytes as the system takes them, no NUL inside). Only a
    // regular file is read: a folder, a pipe or a device could block the program or never end.
    static ArchiveRead read(std::string_view path);
    // A copy of text, as if read from a file.
    static ArchiveFile copy_of(std::string_view text);

    std::string_view text() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    // The bytes are in one of the two: memory they were read or copied into, or a sealed copy
    // of the file, mapped (see read).
    LargeBlock block_;
    std::unique_ptr<const std::byte, Unmap> mapping_;
    const std::byte* data_ = nullptr;
    std::size_t size_ = 0;
};

// What reading a file gave: whether it was read, and if not, why; its bytes when it was.
struct ArchiveRead {
    ReadStatus status = ReadStatus::read;
    // Empty unless the file was read.
    ArchiveFile file;
};

} // namespace torvane
