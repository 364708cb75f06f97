#include "excel/CompoundFile.h"
#include "excel/CompoundFileReader.h"
#include "store/LittleEndian.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

std::vector<std::uint8_t> pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

TEST(CompoundFile, ASmallStreamIsPaddedOutOfTheMiniStream) {
    const std::vector<std::uint8_t> file = buildCompoundFile(pattern(1000));
    // Header, 8 stream sectors, the directory sector and one FAT sector.
    ASSERT_EQ(file.size(), 11u * 512);
    EXPECT_EQ(le::readU32(file, 48), 8u);                           // directory sector
    EXPECT_EQ(le::readU32(file, 512 + 8 * 512 + 128 + 120), 4096u); // the stream's size
    Result<std::vector<std::uint8_t>> stream = readWorkbookStream(file);
    ASSERT_TRUE(stream) << stream.error().text;
    EXPECT_EQ(std::vector(stream->begin(), stream->begin() + 1000), pattern(1000));
}

TEST(CompoundFile, AFatOfMoreThan109SectorsIsListedInDifatSectors) {
    // 110 FAT sectors map 14080 sectors, enough for 13900 of the stream, the directory, the FAT
    // and one DIFAT sector; 109 would not be.
    const std::vector<std::uint8_t> stream = pattern(13900 * 512);
    const std::vector<std::uint8_t> file = buildCompoundFile(stream);
    EXPECT_EQ(le::readU32(file, 44), 110u); // FAT sectors
    EXPECT_EQ(le::readU32(file, 72), 1u);   // DIFAT sectors
    Result<std::vector<std::uint8_t>> read = readWorkbookStream(file);
    ASSERT_TRUE(read) << read.error().text;
    EXPECT_TRUE(*read == stream);
}

TEST(CompoundFile, ALoopingChainIsRefused) {
    std::vector<std::uint8_t> file = buildCompoundFile(pattern(5000));
    le::writeU32(file, 512 + 11 * 512 + 4 * 9, 0); // stream sector 9 leads back to 0
    EXPECT_FALSE(readWorkbookStream(file));
}

} // namespace
} // namespace qb
