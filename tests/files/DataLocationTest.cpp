#include "files/DataLocation.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <vector>

namespace qb {
namespace {

namespace fs = std::filesystem;

// A probe that writes only into the folders it is told are writable, and records what it was
// asked about.
struct ScriptedProbe {
    explicit ScriptedProbe(std::vector<fs::path> writableFolders = {})
        : writable(std::move(writableFolders)) {}

    std::vector<fs::path> writable;
    std::vector<fs::path> asked;

    DataFolderProbe probe() {
        return [this](const fs::path& folder) -> Result<void> {
            asked.push_back(folder);
            for (const fs::path& w : writable) {
                if (w == folder) {
                    return {};
                }
            }
            return Error{Cause::NoAccess, std::make_error_code(std::errc::permission_denied),
                         "Cannot create " + (folder / "Data").string() + ": Permission denied"};
        };
    }
};

const fs::path kBuild = "/home/me/quillbarrow/build-run/src";
const fs::path kInstalled = "/usr/bin";
const fs::path kUser = "/home/me/.local/share/Quillbarrow";

TEST(DataLocation, AProgramInAWritableFolderKeepsItsDataBesideIt) {
    ScriptedProbe disk({kBuild, kUser});
    const auto folder = chooseWorkFolder(kBuild, std::nullopt, kUser, disk.probe());
    ASSERT_TRUE(folder.ok());
    EXPECT_EQ(*folder, kBuild);
    EXPECT_EQ(disk.asked, std::vector<fs::path>{kBuild});
}

TEST(DataLocation, AnInstalledProgramKeepsItsDataInTheUserDataFolder) {
    ScriptedProbe disk({kUser});
    const auto folder = chooseWorkFolder(kInstalled, std::nullopt, kUser, disk.probe());
    ASSERT_TRUE(folder.ok());
    EXPECT_EQ(*folder, kUser);
    EXPECT_EQ(disk.asked, (std::vector<fs::path>{kInstalled, kUser}));
}

TEST(DataLocation, BaseDirWinsWithoutProbingAnything) {
    ScriptedProbe disk({kBuild, kUser});
    const auto folder = chooseWorkFolder(kBuild, fs::path("/srv/site-7"), kUser, disk.probe());
    ASSERT_TRUE(folder.ok());
    EXPECT_EQ(*folder, "/srv/site-7");
    EXPECT_TRUE(disk.asked.empty());
}

TEST(DataLocation, NeitherFolderWritableIsAnErrorNamingBothAndTheReason) {
    ScriptedProbe disk;
    const auto folder = chooseWorkFolder(kInstalled, std::nullopt, kUser, disk.probe());
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().cause, Cause::NoAccess);
    EXPECT_EQ(folder.error().text,
              "The configuration files cannot be kept beside the program (/usr/bin) nor in "
              "/home/me/.local/share/Quillbarrow. Cannot create "
              "/home/me/.local/share/Quillbarrow/Data: Permission denied");

    const auto noHome = chooseWorkFolder(kInstalled, std::nullopt, fs::path(), disk.probe());
    ASSERT_FALSE(noHome.ok());
    EXPECT_EQ(disk.asked, (std::vector<fs::path>{kInstalled, kUser, kInstalled}));
}

TEST(DataLocation, TheProbeMakesTheFoldersAndLeavesNothingElse) {
    test::TempDir home;
    const fs::path user = home / "share/Quillbarrow";
    ASSERT_TRUE(probeDataFolder(user).ok());
    EXPECT_TRUE(fs::is_directory(user / "Data"));
    EXPECT_TRUE(fs::is_empty(user / "Data"));

    // A second run finds the files of the first where they were.
    test::writeAll(user / "Data" / "M001ZONE.BIN", {1, 2, 3});
    ASSERT_TRUE(probeDataFolder(user).ok());
    EXPECT_EQ(test::readAll(user / "Data" / "M001ZONE.BIN").size(), 3u);
}

TEST(DataLocation, TheProbeRefusesAFolderItCannotWriteInto) {
    test::TempDir program;
    test::writeAll(program / "Data", {42}); // a file where the Data folder would be
    const Result<void> dataIsAFile = probeDataFolder(program.path());
    ASSERT_FALSE(dataIsAFile.ok());
    EXPECT_NE(dataIsAFile.error().text.find((program / "Data").string()), std::string::npos);
    EXPECT_EQ(test::readAll(program / "Data"), std::vector<std::uint8_t>{42});

    const fs::path underAFile = program / "Data" / "Quillbarrow";
    EXPECT_FALSE(probeDataFolder(underAFile).ok());

    if (::geteuid() != 0) { // permissions do not stop root
        const fs::path readOnly = program / "read-only";
        fs::create_directory(readOnly);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(probeDataFolder(readOnly).ok());
        fs::permissions(readOnly, fs::perms::owner_all);
    }
}

} // namespace
} // namespace qb
