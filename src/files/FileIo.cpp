#include "FileIo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qb {

namespace fs = std::filesystem;

namespace {

Cause causeOf(std::error_code code) {
    if (code == std::errc::no_such_file_or_directory || code == std::errc::not_a_directory) {
        return Cause::Missing;
    }
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted ||
        code == std::errc::read_only_file_system) {
        return Cause::NoAccess;
    }
    if (code == std::errc::is_a_directory) {
        return Cause::NotAFile;
    }
    return Cause::IoFailure;
}

Error systemError(const fs::path& path, const char* action, int error) {
    return fileError(path.filename().string(), action,
                     std::error_code(error, std::system_category()));
}

// 0 when every byte was written, else the error.
int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Up to `maxBytes`, fewer at the file's end; -1 with errno set when the reading failed.
ssize_t readUpTo(int fd, std::uint8_t* buffer, std::size_t maxBytes) {
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd, buffer + done, maxBytes - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

// Opens an existing regular file for reading. O_NONBLOCK keeps a FIFO or device of the same
// name from blocking the open.
Result<int> openRegular(const fs::path& path, struct stat& info) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return systemError(path, "read", errno);
    }
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return systemError(path, "read", error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        if (S_ISDIR(info.st_mode)) {
            return systemError(path, "read", EISDIR);
        }
        return Error{Cause::NotAFile,
                     {},
                     "Cannot read " + path.filename().string() + ": Not a regular file"};
    }
    return fd;
}

} // namespace

Error fileError(std::string_view file, std::string_view action, std::error_code code) {
    std::string text = "Cannot ";
    text.append(action).append(" ").append(file).append(": ").append(code.message());
    return {causeOf(code), code, std::move(text)};
}

Result<void> writeFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::string hidden = ".";
    hidden.append(path.filename().string()).append(".XXXXXX");
    std::string temp = (path.parent_path() / hidden).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return systemError(path, "create", errno);
    }
    const char* failedAction = nullptr;
    int error = 0;
    if (::fchmod(fd, 0644) != 0) {
        failedAction = "create";
        error = errno;
    } else if ((error = writeAll(fd, bytes)) != 0) {
        failedAction = "write";
    } else if (::fsync(fd) != 0) {
        failedAction = "write";
        error = errno;
    }
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
        return systemError(path, failedAction, error);
    }
    return {};
}

Result<std::vector<std::uint8_t>> readFile(const fs::path& path, std::size_t maxBytes) {
    auto start = readFileStart(path, maxBytes);
    if (!start) {
        return start.error();
    }
    return std::move(start->bytes);
}

Result<FileStart> readFileStart(const fs::path& path, std::size_t maxBytes) {
    struct stat info {};
    const Result<int> fd = openRegular(path, info);
    if (!fd) {
        return fd.error();
    }
    FileStart start;
    // The buffer follows the file's length, not the limit: a generous limit (hundreds of MB for
    // a workbook) zero-filled on every read costs more than the read. One byte past the length
    // shows the end; a file that grew since is read on in doubling steps up to the limit.
    const auto opened = static_cast<std::uintmax_t>(info.st_size);
    std::size_t capacity = static_cast<std::size_t>(std::min<std::uintmax_t>(maxBytes, opened + 1));
    std::size_t held = 0;
    for (;;) {
        start.bytes.resize(capacity);
        const ssize_t got = readUpTo(*fd, start.bytes.data() + held, capacity - held);
        if (got < 0) {
            const int error = errno;
            ::close(*fd);
            return systemError(path, "read", error);
        }
        held += static_cast<std::size_t>(got);
        if (held < capacity || capacity == maxBytes) {
            break;
        }
        capacity = capacity > maxBytes / 2 ? maxBytes : capacity * 2;
    }
    ::close(*fd);
    start.bytes.resize(held);
    // Should the file change after it was opened, what the reading met has the last word.
    start.size = start.bytes.size() < maxBytes ? start.bytes.size()
                                               : std::max<std::uintmax_t>(opened, maxBytes);
    return start;
}

Result<FileHeader> peekHeader(const fs::path& path) {
    const auto bytes = readFile(path, FileHeader::kSize);
    if (!bytes) {
        return bytes.error();
    }
    return FileHeader::fromBytes(*bytes);
}

Result<void> removeFile(const fs::path& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return systemError(path, "delete", errno);
    }
    return {};
}

namespace {

// What the folder holds, listed whole before anything is changed, so that removing or moving
// entries cannot disturb the reading. A listing that fails half-way gives what was read, and the
// failure is added to `failures`; a missing folder holds nothing.
std::vector<fs::path> listFolder(const fs::path& folder, std::string_view action,
                                 std::vector<Error>& failures) {
    std::vector<fs::path> found;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        if (error != std::errc::no_such_file_or_directory) {
            failures.push_back(fileError(folder.string(), action, error));
        }
        return found;
    }
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        found.push_back(entries->path());
    }
    if (error) {
        failures.push_back(fileError(folder.string(), "read", error));
    }
    return found;
}

} // namespace

Result<std::vector<Error>> moveContents(const fs::path& folder, const fs::path& previous) {
    std::vector<Error> failures;
    const std::vector<fs::path> found = listFolder(folder, "read", failures);
    if (found.empty()) {
        return failures;
    }
    std::error_code error;
    // remove_all takes a link in its place away without touching what it points at.
    fs::remove_all(previous, error);
    if (error) {
        return fileError(previous.string(), "replace", error);
    }
    fs::create_directory(previous, error);
    if (error) {
        return fileError(previous.string(), "create", error);
    }
    for (const fs::path& entry : found) {
        fs::rename(entry, previous / entry.filename(), error);
        if (error) {
            failures.push_back(fileError(entry.filename().string(), "move", error));
        }
    }
    return failures;
}

std::vector<Error> emptyFolder(const fs::path& folder) {
    std::vector<Error> failures;
    const std::vector<fs::path> found = listFolder(folder, "empty", failures);
    std::error_code error;
    for (const fs::path& entry : found) {
        // remove_all takes a link away without touching what it points at.
        fs::remove_all(entry, error);
        if (error) {
            failures.push_back(fileError(entry.filename().string(), "delete", error));
        }
    }
    return failures;
}

} // namespace qb
