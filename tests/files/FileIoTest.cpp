#include "files/FileIo.h"
#include "support/ReadDirFault.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(WriteFile, ReplacesTheWholeFileAndLeavesNothingElseBehind) {
    TempDir dir;
    const fs::path file = dir / "M001ZONE.BIN";
    ASSERT_TRUE(writeFile(file, std::vector<std::uint8_t>(100, 7)));
    ASSERT_TRUE(writeFile(file, std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(test::readAll(file), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// Lets a file of this program grow only so far, as a full disk would: a longer write breaks off
// there with "File too large". Root cannot make a write fail halfway by any other means.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit limit{bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*m_handler)(int);
    rlimit m_previous{};
};

TEST(WriteFile, AWriteThatBreaksOffHalfwayLeavesThePreviousFileWhole) {
    TempDir dir;
    const fs::path file = dir / "M001ZONE.BIN";
    test::writeAll(file, {1, 2, 3});
    {
        FileSizeLimit limit(50);
        const Result<void> written = writeFile(file, std::vector<std::uint8_t>(100, 7));
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().text, "Cannot write M001ZONE.BIN: File too large");
    }
    EXPECT_EQ(test::readAll(file), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WriteFile, ReportsFailureNamingTheFileAndKeepsTheOldFile) {
    TempDir dir;
    // A file where the folder should be.
    test::writeAll(dir / "Data", {1});
    const Result<void> intoFile = writeFile(dir / "Data" / "M001ZONE.BIN", {{1, 2}});
    ASSERT_FALSE(intoFile);
    EXPECT_NE(intoFile.error().text.find("M001ZONE.BIN"), std::string::npos)
        << intoFile.error().text;

    EXPECT_FALSE(writeFile(dir / "missing" / "M001ZONE.BIN", {{1}}));

    // A folder in place of the file: the folder survives, no temporary file is left.
    fs::create_directory(dir / "M001NET_.BIN");
    EXPECT_FALSE(writeFile(dir / "M001NET_.BIN", {{1}}));
    EXPECT_TRUE(fs::is_directory(dir / "M001NET_.BIN"));
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

TEST(ReadFile, ReadsUpToTheLimitAndAcceptsShortFiles) {
    TempDir dir;
    test::writeAll(dir / "f", std::vector<std::uint8_t>(10, 9));
    EXPECT_EQ(readFile(dir / "f", 4)->size(), 4u);
    EXPECT_EQ(readFile(dir / "f", 100)->size(), 10u);
    EXPECT_FALSE(readFile(dir / "absent", 10));
    // Beside the bytes asked for, the file's whole length.
    EXPECT_EQ(readFileStart(dir / "f", 4)->bytes.size(), 4u);
    EXPECT_EQ(readFileStart(dir / "f", 4)->size, 10u);
    EXPECT_EQ(readFileStart(dir / "f", 100)->size, 10u);
    EXPECT_FALSE(readFileStart(dir / "absent", 10));
}

TEST(ReadFile, AnythingButARegularFileIsNoFileToReadAndNeverMissing) {
    TempDir dir;
    EXPECT_EQ(readFile(dir / "absent", 10).error().cause, Cause::Missing);
    fs::create_directory(dir / "folder");
    const auto folder = readFile(dir / "folder", 10);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().cause, Cause::NotAFile);
    EXPECT_EQ(folder.error().text, "Cannot read folder: Is a directory");
    // A FIFO must not block the reader.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(readFile(dir / "fifo", 10));
    EXPECT_EQ(peekHeader(dir / "fifo").error().cause, Cause::NotAFile);
}

TEST(PeekHeader, ShortFilesReadAsZeroPaddedHeaders) {
    TempDir dir;
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[14] = 'Z';
    bytes[15] = 'O';
    test::writeAll(dir / "short", bytes);
    const auto header = peekHeader(dir / "short");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->tag(), "ZO");
    EXPECT_EQ(header->crc(), 0u);
    EXPECT_FALSE(peekHeader(dir / "absent"));

    // A tag without its NUL stops at the header's end, never past it.
    std::vector<std::uint8_t> noNul(32, 'T');
    test::writeAll(dir / "nonul", noNul);
    EXPECT_EQ(peekHeader(dir / "nonul")->tag().size(), 18u);
}

TEST(RemoveFile, RemovesFilesAndLinksButNeverALinkTarget) {
    TempDir dir;
    test::writeAll(dir / "target", {1});
    fs::create_symlink(dir / "target", dir / "link");
    EXPECT_TRUE(removeFile(dir / "link"));
    EXPECT_TRUE(fs::exists(dir / "target"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "link")));
    EXPECT_TRUE(removeFile(dir / "target"));
    EXPECT_TRUE(removeFile(dir / "target")); // already gone is fine
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(removeFile(dir / "folder"));
}

TEST(EmptyFolder, RemovesEverythingInsideButNeverFollowsALink) {
    TempDir outside;
    test::writeAll(outside / "precious", {1});
    TempDir data;
    fs::create_directories(data / "a/b");
    test::writeAll(data / "a/b/file", {1});
    fs::create_directory_symlink(outside.path(), data / "link");
    fs::create_symlink(outside / "precious", data / "filelink");
    EXPECT_TRUE(emptyFolder(data.path()).empty());
    EXPECT_TRUE(fs::is_empty(data.path()));
    EXPECT_TRUE(fs::exists(outside / "precious"));
    EXPECT_TRUE(emptyFolder(data / "missing").empty());
}

TEST(EmptyFolder, AFolderThatFailsWhileBeingReadIsReportedAndEmptiedAsFarAsRead) {
    TempDir data;
    for (const char* name : {"a", "b", "c", "d"}) {
        test::writeAll(data / name, {1});
    }
    // With "." and "..", three reads always reach past the start: the failure comes later.
    test::failFolderReadAfter(3);
    const std::vector<Error> failures = emptyFolder(data.path());
    ASSERT_FALSE(test::folderReadFailurePending());
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].text, "Cannot read " + data.path().string() + ": Input/output error");
    EXPECT_LT(entriesIn(data.path()), 4u);
}

TEST(MoveContents, MovesEverythingIntoThePreviousFolderReplacingItAndNeverFollowsALink) {
    TempDir outside;
    test::writeAll(outside / "precious", {1});
    TempDir site;
    const fs::path data = site / "Data";
    const fs::path previous = site / "Data.previous";
    fs::create_directories(data / "a/b");
    test::writeAll(data / "a/b/file", {1});
    test::writeAll(data / "set", {2});
    fs::create_directory_symlink(outside.path(), data / "link");
    fs::create_directory(previous);
    test::writeAll(previous / "older", {3});

    const auto moved = moveContents(data, previous);
    ASSERT_TRUE(moved);
    EXPECT_TRUE(moved->empty());
    EXPECT_TRUE(fs::is_empty(data));
    EXPECT_TRUE(fs::exists(previous / "a/b/file"));
    EXPECT_TRUE(fs::exists(previous / "set"));
    EXPECT_FALSE(fs::exists(previous / "older"));
    EXPECT_TRUE(fs::is_symlink(previous / "link"));
    EXPECT_TRUE(fs::exists(outside / "precious"));

    // Nothing to keep: the previous folder stays as it is.
    ASSERT_TRUE(moveContents(data, previous));
    EXPECT_TRUE(fs::exists(previous / "set"));
}

TEST(MoveContents, APreviousFolderThatCannotBeMadeFailsAsAWholeAndMovesNothing) {
    TempDir site;
    fs::create_directory(site / "Data");
    test::writeAll(site / "Data/set", {1});
    test::writeAll(site / "plain", {1});
    const auto moved = moveContents(site / "Data", site / "plain/Data.previous");
    ASSERT_FALSE(moved);
    EXPECT_NE(moved.error().text.find("plain/Data.previous"), std::string::npos);
    EXPECT_TRUE(fs::exists(site / "Data/set"));
}

} // namespace
} // namespace qb
