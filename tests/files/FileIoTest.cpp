#include "files/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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

TEST(WriteFile, ReportsFailureNamingTheFileAndKeepsTheOldFile) {
    TempDir dir;
    // A file where the folder should be.
    test::writeAll(dir / "Data", {1});
    const FileResult intoFile = writeFile(dir / "Data" / "M001ZONE.BIN", {{1, 2}});
    EXPECT_FALSE(intoFile);
    EXPECT_NE(intoFile.error.find("M001ZONE.BIN"), std::string::npos) << intoFile.error;

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

TEST(ReadFile, AnythingButARegularFileDoesNotExist) {
    TempDir dir;
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(readFile(dir / "folder", 10));
    // A FIFO must not block the reader.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(readFile(dir / "fifo", 10));
    EXPECT_FALSE(peekHeader(dir / "fifo"));
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

} // namespace
} // namespace qb
