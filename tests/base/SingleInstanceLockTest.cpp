#include "base/platform/SingleInstanceLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace qb {
namespace {

using Status = SingleInstanceLock::Status;

// Runs `body` in a child process and returns its exit status.
template <class Body> int inChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int attemptStatus(const std::filesystem::path& folder) {
    return static_cast<int>(SingleInstanceLock::acquireIn(folder, "Quillbarrow.exe").status);
}

TEST(SingleInstanceLock, ASecondProcessCannotTakeItWhileTheFirstHoldsIt) {
    test::TempDir folder;
    auto first = SingleInstanceLock::acquireIn(folder.path(), "Quillbarrow.exe");
    ASSERT_EQ(first.status, Status::Acquired);
    ASSERT_NE(first.lock, nullptr);

    EXPECT_EQ(inChild([&] { return attemptStatus(folder.path()); }),
              static_cast<int>(Status::HeldByAnother));

    first.lock.reset();
    EXPECT_EQ(inChild([&] { return attemptStatus(folder.path()); }),
              static_cast<int>(Status::Acquired));
}

TEST(SingleInstanceLock, IsFreedWhenTheHoldingProcessIsKilled) {
    test::TempDir folder;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        auto attempt = SingleInstanceLock::acquireIn(folder.path(), "Quillbarrow.exe");
        const char ok = attempt.status == Status::Acquired ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    EXPECT_EQ(SingleInstanceLock::acquireIn(folder.path(), "Quillbarrow.exe").status,
              Status::HeldByAnother);

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(SingleInstanceLock::acquireIn(folder.path(), "Quillbarrow.exe").status,
              Status::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(SingleInstanceLock, AnUnusableFolderIsNotMistakenForARunningCopy) {
    test::TempDir folder;
    EXPECT_EQ(SingleInstanceLock::acquireIn(folder / "missing", "Quillbarrow.exe").status,
              Status::Unavailable);
}

} // namespace
} // namespace qb
