#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "items/large_memory.h"

// The bytes of an archive file, read in one block.
class ArchiveFile {
public:
    // Reads the whole file; false when it cannot be opened or read. Only a regular file is
    // read: a folder, a pipe or a device could block the program or never end.
    bool read(const std::string& path);

    std::string_view text() const { return {chars(), size_}; }

private:
    char* chars() const { return reinterpret_cast<char*>(block_.data()); }

    LargeBlock block_;
    std::size_t size_ = 0;
};
