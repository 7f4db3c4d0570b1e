#pragma once

#include <cstddef>
#include <string_view>

#include "base/large_memory.h"
#include "catalogue/read_status.h"

namespace torvane {

struct ArchiveRead;

// The bytes of an archive, read from a file in one block or copied from memory.
class ArchiveFile {
public:
    ArchiveFile() = default;

    // Reads the whole file at path (bytes as the system takes them, no NUL inside). Only a
    // regular file is read: a folder, a pipe or a device could block the program or never end.
    static ArchiveRead read(std::string_view path);
    // A copy of text, as if read from a file.
    static ArchiveFile copy_of(std::string_view text);

    std::string_view text() const { return {reinterpret_cast<const char*>(block_.data()), size_}; }

private:
    LargeBlock block_;
    std::size_t size_ = 0;
};

// What reading a file gave: whether it was read, and if not, why; its bytes when it was.
struct ArchiveRead {
    ReadStatus status = ReadStatus::read;
    // Empty unless the file was read.
    ArchiveFile file;
};

} // namespace torvane
