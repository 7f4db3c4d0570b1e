#pragma once

#include <string_view>

namespace torvane {

// Whether an archive file could be read, and if not, why: told by the reading itself, so that
// nobody has to guess afterwards.
enum class ReadStatus {
    read,
    missing,       // no file at the path
    not_a_file,    // a folder, a pipe or a device: only a regular file is read
    no_permission, // the file may not be read
    too_large,     // 4 GiB or more
    unreadable,    // any other failure to open or read it
};

// Why the file was not read, in one Italian phrase (UTF-8) to follow "Impossibile leggere il
// catalogo FILE: "; empty for a file that was read.
std::string_view read_status_text(ReadStatus status);

} // namespace torvane
