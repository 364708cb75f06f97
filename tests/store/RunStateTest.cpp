#include "store/RunState.h"
#include "base/platform/ProgramFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(HeaderTemplate, CarriesTheSignatureAndTheFormatBytesOfTheSystemCode) {
    const auto expectTemplate = [](SystemCode code, std::uint8_t b8, std::uint8_t b9) {
        const FileHeader header = FileHeader::makeTemplate(code);
        const auto& bytes = header.bytes();
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), std::string("KORVANT\0", 8));
        EXPECT_EQ(bytes[8], b8);
        EXPECT_EQ(bytes[9], b9);
        for (std::size_t i = 10; i < 32; ++i) {
            EXPECT_EQ(bytes[i], 0) << "byte " << i;
        }
    };
    expectTemplate(SystemCode::TwoLoopSo12, 2, 0);
    expectTemplate(SystemCode::OneLoop, 3, 1);
    expectTemplate(SystemCode::TwoLoopSo3, 3, 1);
}

TEST(HeaderTemplate, TagAndCrcSitAtTheirOffsets) {
    FileHeader header =
        FileHeader::fromTemplate(FileHeader::makeTemplate(SystemCode::TwoLoopSo3), "ZONED");
    header.setCrc(0x11223344);
    const auto& bytes = header.bytes();
    EXPECT_EQ(std::string(bytes.begin() + 14, bytes.begin() + 20), std::string("ZONED\0", 6));
    EXPECT_EQ(bytes[28], 0x44);
    EXPECT_EQ(bytes[31], 0x11);
    EXPECT_TRUE(header.hasTag("ZONED"));
    EXPECT_FALSE(header.hasTag("ZONE"));
    EXPECT_FALSE(header.hasTag("zoned"));
    EXPECT_TRUE(header.hasSignature());
}

TEST(DataFolder, IsCreatedBesideTheProgramWhenMissing) {
    test::TempDir program;
    const RunState run = RunState::begin(SystemCode::OneLoop, program.path());
    EXPECT_EQ(run.dataFolder, program / "Data");
    EXPECT_TRUE(fs::is_directory(run.dataFolder));
    EXPECT_EQ(run.headerTemplate.formatByte1(), 3);

    // A second start finds it and leaves its contents alone.
    test::writeAll(run.dataFolder / "M001ZONE.BIN", {1, 2, 3});
    RunState::begin(SystemCode::OneLoop, program.path());
    EXPECT_EQ(test::readAll(run.dataFolder / "M001ZONE.BIN").size(), 3u);
}

TEST(DataFolder, AFileNamedDataIsLeftAsItIs) {
    test::TempDir program;
    test::writeAll(program / "Data", {42});
    const fs::path folder = prepareDataFolder(program.path());
    EXPECT_TRUE(fs::is_regular_file(folder));
    EXPECT_EQ(test::readAll(folder), std::vector<std::uint8_t>{42});
}

} // namespace
} // namespace qb
