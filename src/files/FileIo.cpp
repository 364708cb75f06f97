#include "FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qb {

namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& path, const char* action, int error) {
    return "Cannot " + std::string(action) + " " + path.filename().string() + ": " +
           std::strerror(error);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Opens an existing regular file for reading; -1 for anything else. O_NONBLOCK keeps a FIFO
// or device of the same name from blocking the open.
int openRegular(const fs::path& path, struct stat& info) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::size_t readUpTo(int fd, std::uint8_t* buffer, std::size_t maxBytes) {
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd, buffer + done, maxBytes - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

} // namespace

FileResult writeFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::string hidden = ".";
    hidden.append(path.filename().string()).append(".XXXXXX");
    std::string temp = (path.parent_path() / hidden).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return FileResult::failure(describe(path, "create", errno));
    }
    const char* failedAction = nullptr;
    if (::fchmod(fd, 0644) != 0) {
        failedAction = "create";
    } else if (!writeAll(fd, bytes)) {
        failedAction = "write";
    } else if (::fsync(fd) != 0) {
        failedAction = "write";
    }
    int error = failedAction ? errno : 0;
    if (::close(fd) != 0 && !failedAction) {
        failedAction = "write";
        error = errno;
    }
    if (!failedAction && ::rename(temp.c_str(), path.c_str()) != 0) {
        failedAction = "replace";
        error = errno;
    }
    if (failedAction) {
        ::unlink(temp.c_str());
        return FileResult::failure(describe(path, failedAction, error));
    }
    return {};
}

std::optional<std::vector<std::uint8_t>> readFile(const fs::path& path, std::size_t maxBytes) {
    auto start = readFileStart(path, maxBytes);
    if (!start) {
        return std::nullopt;
    }
    return std::move(start->bytes);
}

std::optional<FileStart> readFileStart(const fs::path& path, std::size_t maxBytes) {
    struct stat info {};
    const int fd = openRegular(path, info);
    if (fd < 0) {
        return std::nullopt;
    }
    FileStart start;
    start.bytes.resize(maxBytes);
    start.bytes.resize(readUpTo(fd, start.bytes.data(), maxBytes));
    ::close(fd);
    // Should the file change after it was opened, what the reading met has the last word.
    const auto opened = static_cast<std::uintmax_t>(info.st_size);
    start.size = start.bytes.size() < maxBytes ? start.bytes.size()
                                               : std::max<std::uintmax_t>(opened, maxBytes);
    return start;
}

std::optional<FileHeader> peekHeader(const fs::path& path) {
    const auto bytes = readFile(path, FileHeader::kSize);
    if (!bytes) {
        return std::nullopt;
    }
    return FileHeader::fromBytes(*bytes);
}

FileResult removeFile(const fs::path& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return FileResult::failure(describe(path, "delete", errno));
    }
    return {};
}

} // namespace qb
