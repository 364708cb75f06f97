#include "files/SetLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

// A file whose header holds the format bytes written at offsets 8 and 9.
FoundSetFile file(const std::string& name, std::size_t size, std::uint8_t format1,
                  std::uint8_t format2) {
    std::vector<std::uint8_t> bytes(32, 0);
    bytes[8] = format1;
    bytes[9] = format2;
    return {name, "M001" + name + ".BIN", size, FileHeader::fromBytes(bytes)};
}

std::string refusal(const std::vector<FoundSetFile>& files) {
    const Result<SystemCode> code = inferSystemCode(files);
    return code ? "accepted" : code.error().text;
}

TEST(SetLayout, TheSystemCodeIsToldByFormatBytesAndTheIoBoardFilesSize) {
    const FoundSetFile zone = file("ZONE", 548, 3, 1);
    EXPECT_EQ(*inferSystemCode(std::vector{zone, file("IOBR", 40, 3, 1)}), SystemCode::OneLoop);
    // Under code 0 its size says nothing; nine bytes end before the second format byte.
    EXPECT_EQ(*inferSystemCode(std::vector{file("IOBR", 40, 2, 0), file("ZONE", 9, 3, 1)}),
              SystemCode::TwoLoopSo12);
    EXPECT_EQ(inferSystemCode(std::vector{file("ZONE", 9, 2, 0)}).error().cause, Cause::Missing);

    EXPECT_NE(refusal({zone}).find("only the IO board file tells them apart"), std::string::npos);
    EXPECT_EQ(refusal({zone, file("IOBR", 50, 3, 1)}).rfind("M001IOBR.BIN is 50 bytes long", 0),
              0u);
    EXPECT_EQ(refusal({zone, file("KPAD", 432, 3, 0)}),
              "M001KPAD.BIN has format bytes 3 0, which no system code writes");
    std::vector<FoundSetFile> mixed{file("ZONE", 548, 2, 0)};
    for (const char* name : {"NET_", "FSD_", "IOBR", "ID01", "ID02", "ID03"}) {
        mixed.push_back(file(name, 76, 3, 1));
    }
    EXPECT_EQ(refusal(mixed), "the files disagree: format bytes 2 0 (system code 0) in "
                              "M001ZONE.BIN; format bytes 3 1 (system code 1 or 2) in "
                              "M001NET_.BIN, M001FSD_.BIN, M001IOBR.BIN, M001ID01.BIN and 2 more");
}

} // namespace
} // namespace qb
