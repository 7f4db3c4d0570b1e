#include "catalogue/archive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>

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
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
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
    auto capacity = std::max<std::uint64_t>(static_cast<std::uint64_t>(info.st_size) + 1,
                                            std::uint64_t{1} << 16);
    if (capacity > largest_file + 1) {
        return {ReadStatus::too_large, {}};
    }
    ArchiveFile file;
    file.block_ = LargeBlock(capacity);
    prefault(file.block_.data(), capacity);
    for (;;) {
        const ssize_t got =
            ::read(fd.get(), file.block_.data() + file.size_, capacity - file.size_);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {status_of_error(errno), {}};
        }
        if (got == 0) {
            break;
        }
        file.size_ += static_cast<std::size_t>(got);
        if (file.size_ == capacity) {
            if (capacity > largest_file) {
                return {ReadStatus::too_large, {}};
            }
            LargeBlock grown(capacity * 2);
            std::copy_n(file.block_.data(), file.size_, grown.data());
            file.block_ = std::move(grown);
            capacity *= 2;
        }
    }
    return {ReadStatus::read, std::move(file)};
}

ArchiveFile ArchiveFile::copy_of(std::string_view text) {
    ArchiveFile file;
    file.block_ = LargeBlock(std::max<std::size_t>(text.size(), 1));
    std::copy(text.begin(), text.end(), reinterpret_cast<char*>(file.block_.data()));
    file.size_ = text.size();
    return file;
}

} // namespace torvane
