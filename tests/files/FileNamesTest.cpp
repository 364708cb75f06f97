#include "files/FileNames.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(FileNames, CarryTheHostNumberWithThreeDigitsUpTo99) {
    EXPECT_EQ(fileName(0, names::kZone), "M001ZONE.BIN");
    EXPECT_EQ(fileName(98, names::kZone), "M099ZONE.BIN");
    EXPECT_EQ(fileName(99, names::kZone), "M100ZONE.BIN");
    EXPECT_EQ(fileName(100, names::kNetwork), "M101NET_.BIN");
    EXPECT_EQ(fileName(4, names::kSystemSettings), "M005SYS_.BIN");
    EXPECT_EQ(fileName(253, names::kDisplay), "M254FSD_.BIN");
    EXPECT_EQ(hostNumberText(255), "256");
    EXPECT_EQ(filePath("/data", 6, names::kIoBoard), std::filesystem::path("/data/M007IOBR.BIN"));
}

TEST(FileNames, DeviceFilesNameTheVirtualBoards7FAnd7E) {
    EXPECT_EQ(deviceFileName(1), "ID01");
    EXPECT_EQ(deviceFileName(9), "ID09");
    EXPECT_EQ(deviceFileName(40), "ID40");
    EXPECT_EQ(deviceFileName(41), "ID7F");
    EXPECT_EQ(deviceFileName(42), "ID7E");
    EXPECT_EQ(fileName(0, deviceFileName(41)), "M001ID7F.BIN");
}

} // namespace
} // namespace qb
