#include "files/Crc.h"
#include "files/BuiltFile.h"

#include <gtest/gtest.h>

#include <string_view>

namespace qb {
namespace {

std::span<const std::uint8_t> asBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(ConfigCrc, IsTheComplementOfTheUsualCrc32) {
    EXPECT_EQ(configCrc(asBytes("abc")), 0xCADBBE3Du);
    EXPECT_EQ(configCrc({}), 0xFFFFFFFFu);
    // The standard check value of CRC-32 is 0xCBF43926.
    EXPECT_EQ(configCrc(asBytes("123456789")), ~0xCBF43926u);
}

TEST(ConfigCrc, SealingCoversTheDataAreaOnlyAndStoresItLittleEndianAtOffset28) {
    std::vector<std::uint8_t> image(32, 0xEE);
    image.insert(image.end(), {'a', 'b', 'c'});
    const std::uint32_t crc = sealWithCrc(image);
    EXPECT_EQ(crc, 0xCADBBE3Du);
    EXPECT_EQ(image[28], 0x3D);
    EXPECT_EQ(image[29], 0xBE);
    EXPECT_EQ(image[30], 0xDB);
    EXPECT_EQ(image[31], 0xCA);
    EXPECT_EQ(image[27], 0xEE);

    std::vector<std::uint8_t> headerOnly(32, 0);
    EXPECT_EQ(sealWithCrc(headerOnly), 0xFFFFFFFFu);
}

} // namespace
} // namespace qb
