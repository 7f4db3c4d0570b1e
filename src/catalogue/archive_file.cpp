#include "catalogue/archive_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace torvane {

namespace {

// Texts of records are kept by 32-bit places in the file.
constexpr std::uint64_t largest_file = (std::uint64_t{1} << 32) - 1;

ReadStatus status_of_error(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ReadStatus::missing;
    case EACCES:
    case EPERM:
        return ReadStatus::no_permission;
    case EISDIR:
        return ReadStatus::not_a_file;
    default:
        return ReadStatus::unreadable;
    }
}

// Closes the file when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string_view read_status_text(ReadStatus status) {
    switch (status) {
    case ReadStatus::read:
        return {};
    case ReadStatus::missing:
        return "il file non esiste";
    case ReadStatus::not_a_file:
        return "non è un file ordinario";
    case ReadStatus::no_permission:
        return "non si ha il permesso di leggerlo";
    case ReadStatus::too_large:
        return "è troppo grande (4 GiB o più)";
    case ReadStatus::unreadable:
        break;
    }
    return "non si riesce a leggerlo";
}

namespace {

struct PartRead {
    std::size_t got = 0;
    int error = 0; // errno, when reading failed
};

// Reads up to count bytes at offset of the file into to, until they are all in or the file
// ends.
PartRead read_part(int fd, std::byte* to, std::size_t count, std::uint64_t offset) {
    PartRead part;
    while (part.got < count) {
        const ssize_t got =
            ::pread(fd, to + part.got, count - part.got, static_cast<off_t>(offset + part.got));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            part.error = errno;
            break;
        }
        if (got == 0) {
            break;
        }
        part.got += static_cast<std::size_t>(got);
    }
    return part;
}

// A copy of the whole file (on to its end, should it have grown) in memory of its own, made by
// the system without passing through the program, then sealed: neither it nor its size can
// change any more. Nothing when the system cannot (a file it cannot copy so, an empty one, a
// build under AddressSanitizer, which watches only the program's own memory); then the file
// is read as before.
struct SealedCopy {
    FileDescriptor memory;
    std::uint64_t size;
};

std::optional<SealedCopy> sealed_copy(int fd) {
    if (address_sanitizer_on) {
        return std::nullopt;
    }
    SealedCopy copy{FileDescriptor(::memfd_create("archive", MFD_CLOEXEC | MFD_ALLOW_SEALING)), 0};
    if (copy.memory.get() < 0) {
        return std::nullopt;
    }
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::sendfile(copy.memory.get(), fd, &offset, std::size_t{1} << 30);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        if (static_cast<std::uint64_t>(offset) > largest_file) {
            // Read as before, which says so.
            return std::nullopt;
        }
    }
    copy.size = static_cast<std::uint64_t>(offset);
    constexpr int seals = F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL;
    if (copy.size == 0 || ::fcntl(copy.memory.get(), F_ADD_SEALS, seals) != 0) {
        return std::nullopt;
    }
    return copy;
}

} // namespace

void Unmap::operator()(const std::byte* at) const noexcept {
    ::munmap(const_cast<std::byte*>(at), bytes);
}

// The file is read in one block of the size it claims, and on to its end should it have grown
// meanwhile (some files of the system claim no size at all).
ArchiveRead ArchiveFile::read(std::string_view path) {
    if (path.find('\0') != std::string_view::npos) {
        return {ReadStatus::missing, {}};
    }
    const std::string name(path);
    // Non-blocking, so that opening a FIFO does not wait for a writer; it is refused below.
    const FileDescriptor fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        return {status_of_error(errno), {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {ReadStatus::not_a_file, {}};
    }
    // One byte more than claimed, so that the first read already meets the end.
    const auto claimed = static_cast<std::uint64_t>(info.st_size);
    auto capacity = std::max<std::uint64_t>(claimed + 1, std::uint64_t{1} << 16);
    if (capacity > largest_file + 1) {
        return {ReadStatus::too_large, {}};
    }
    ArchiveFile file;
    // A sealed copy, mapped, is ready in a third of the time of reading the file into fresh
    // memory, where the system filling the program's pages and the program's first touch of
    // each cost more than the copy (bench/README.md). The file itself is not mapped: cut short
    // by another program while shown, it would take the program down at the next reading of a
    // record.
    if (std::optional<SealedCopy> copy = sealed_copy(fd.get())) {
        void* const at = ::mmap(nullptr, copy->size, PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                                copy->memory.get(), 0);
        if (at != MAP_FAILED) {
            file.mapping_ = {static_cast<const std::byte*>(at), Unmap{copy->size}};
            file.data_ = file.mapping_.get();
            file.size_ = copy->size;
            return {ReadStatus::read, std::move(file)};
        }
    }
    file.block_ = LargeBlock(capacity);
    prefault(file.block_.data(), claimed);
    const PartRead start = read_part(fd.get(), file.block_.data(), claimed, 0);
    if (start.error != 0) {
        return {status_of_error(start.error), {}};
    }
    file.size_ = start.got;
    for (;;) {
        const PartRead more =
            read_part(fd.get(), file.block_.data() + file.size_, capacity - file.size_, file.size_);
        if (more.error != 0) {
            return {status_of_error(more.error), {}};
        }
        file.size_ += more.got;
        if (file.size_ < capacity) {
            break;
        }
        if (capacity > largest_file) {
            return {ReadStatus::too_large, {}};
        }
        LargeBlock grown(capacity * 2);
        std::copy_n(file.block_.data(), file.size_, grown.data());
        file.block_ = std::move(grown);
        capacity *= 2;
    }
    file.data_ = file.block_.data();
    return {ReadStatus::read, std::move(file)};
}

ArchiveFile ArchiveFile::copy_of(std::string_view text) {
    ArchiveFile file;
    file.block_ = LargeBlock(std::max<std::size_t>(text.size(), 1));
    std::copy(text.begin(), text.end(), reinterpret_cast<char*>(file.block_.data()));
    file.data_ = file.block_.data();
    file.size_ = text.size();
    return file;
}

} // namespace torvane
