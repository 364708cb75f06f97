#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace qb {

// Keeps a second copy of the program from running: an exclusive lock on a file named after the
// program, held until the process ends. The operating system drops the lock when the process
// dies, however it dies, and child processes never inherit it.
class SingleInstanceLock {
public:
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class Status {
        Acquired,
        HeldByAnother, // another copy runs
        Unavailable,   // the lock file cannot be opened: nothing is known about other copies
    };
    struct Attempt {
        Status status;
        std::unique_ptr<SingleInstanceLock> lock; // set when acquired
    };

    static Attempt acquire(std::string_view name);
    static Attempt acquireIn(const std::filesystem::path& folder, std::string_view name);

    // The user's runtime folder, or the system's temporary folder without one.
    static std::filesystem::path defaultFolder();

private:
    explicit SingleInstanceLock(int fd) : m_fd(fd) {}
    int m_fd;
};

} // namespace qb
