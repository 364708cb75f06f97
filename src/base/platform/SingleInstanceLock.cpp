#include "SingleInstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace qb {

namespace fs = std::filesystem;

SingleInstanceLock::~SingleInstanceLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing the only descriptor releases the lock
    }
}

fs::path SingleInstanceLock::defaultFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        std::error_code error;
        if (fs::is_directory(runtime, error)) {
            return runtime;
        }
    }
    std::error_code error;
    fs::path temp = fs::temp_directory_path(error);
    return error ? fs::path("/tmp") : temp;
}

SingleInstanceLock::Attempt SingleInstanceLock::acquire(std::string_view name) {
    return acquireIn(defaultFolder(), name);
}

SingleInstanceLock::Attempt SingleInstanceLock::acquireIn(const fs::path& folder,
                                                          std::string_view name) {
    const fs::path file = folder / (std::string(name) + ".lock");
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return {Status::Unavailable, nullptr};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return {held ? Status::HeldByAnother : Status::Unavailable, nullptr};
    }
    return {Status::Acquired, std::unique_ptr<SingleInstanceLock>(new SingleInstanceLock(fd))};
}

} // namespace qb
