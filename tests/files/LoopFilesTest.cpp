#include "files/Crc.h"
#include "files/DeviceFile.h"
#include "files/IoBoardFile.h"
#include "store/ConfigStore.h"
#include "support/SystemCodeNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string textAt(const Bytes& bytes, std::size_t offset, std::size_t length) {
    return std::string(bytes.begin() + offset, bytes.begin() + offset + length);
}

std::uint32_t u32At(const Bytes& b, std::size_t o) {
    return b[o] | b[o + 1] << 8 | b[o + 2] << 16 | static_cast<std::uint32_t>(b[o + 3]) << 24;
}

struct Layout {
    SystemCode code;
    std::size_t recordSize;
    std::size_t fileSize;
    std::size_t positionLimit;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << "system code " << int(toByte(layout.code));
}

class LoopFiles : public ::testing::TestWithParam<Layout> {
protected:
    test::TempDir folder;
    std::unique_ptr<ConfigStore> store =
        ConfigStore::create(RunState::begin(GetParam().code, folder.path()));
    SystemCode code() const { return GetParam().code; }
    std::size_t recordAt(int n) const { return 32 + GetParam().recordSize * n; }
};

TEST_P(LoopFiles, DeviceFileHasOneRecordPerAddressOfBothLoops) {
    BoardDevices& entry = store->devices(5).working;
    DeviceRecord& d = entry.device(1, 7);
    d.registration = 1;
    d.zone = 30;
    d.equipType = 48;
    d.productType = 52;
    d.outputMode = 0;
    d.workMode = 2;
    d.reserved2 = {0xAB, 0xCD};
    d.position.assign(u"Fan room");

    const Bytes b = buildDeviceFile(entry, 5, code(), FileVariant::PageSave).bytes;
    ASSERT_EQ(b.size(), GetParam().fileSize);
    EXPECT_EQ(textAt(b, 14, 6), std::string("IOBDT\0", 6));
    const std::size_t r = recordAt(6);
    EXPECT_EQ(b[r + 0], 1);
    EXPECT_EQ(b[r + 2], 7);
    EXPECT_EQ(b[r + 3], 0);
    EXPECT_EQ(b[r + 4], 8); // loop index of board 5, loop 1
    EXPECT_EQ(b[r + 5], 30);
    EXPECT_EQ(b[r + 6], 48);
    EXPECT_EQ(b[r + 7], 52);
    EXPECT_EQ(b[r + 8], 0);
    EXPECT_EQ(b[r + 9], 2);
    EXPECT_EQ(b[r + 10], 0xAB);
    EXPECT_EQ(b[r + 11], 0xCD);
    EXPECT_EQ(textAt(b, r + 12, 9), std::string("Fan room\0", 9));

    // Record 324 is loop 1 address 324; record 325 is loop 2 address 1.
    EXPECT_EQ(b[recordAt(323) + 2] | b[recordAt(323) + 3] << 8, 324);
    EXPECT_EQ(b[recordAt(323) + 4], 8);
    EXPECT_EQ(b[recordAt(324) + 2] | b[recordAt(324) + 3] << 8, 1);
    EXPECT_EQ(b[recordAt(324) + 4], (5 - 1) * 2 + 1);
    EXPECT_EQ(b[recordAt(647) + 2] | b[recordAt(647) + 3] << 8, 324);
}

TEST_P(LoopFiles, PositionsAreCheckedAgainstTheSystemCodesLimit) {
    const std::size_t limit = GetParam().positionLimit;
    BoardDevices& entry = store->devices(3).working;
    entry.device(1, 5).position.assign(std::u16string(limit, u'P'));
    EXPECT_TRUE(buildDeviceFile(entry, 3, code(), FileVariant::Export).writable());

    entry.device(1, 5).position.assign(std::u16string(limit - 1, u'P') + u"Ä"); // one byte over
    entry.device(2, 9).position.assign(u"一二三四五六七八九十");                // 30 bytes
    const std::string over = "\nThe limit is " + std::to_string(limit) + " bytes; this text has " +
                             std::to_string(limit + 1) + " bytes.";
    const std::string thirty =
        "\nThe limit is " + std::to_string(limit) + " bytes; this text has 30 bytes.";
    const BuiltFile exported = buildDeviceFile(entry, 3, code(), FileVariant::Export);
    EXPECT_EQ(exported.messages,
              (std::vector<std::string>{"Input string too long,Loop 3,Line 5" + over,
                                        "Input string too long,Loop 3,Line 9" + thirty}));
    const BuiltFile saved = buildDeviceFile(entry, 3, code(), FileVariant::PageSave);
    EXPECT_EQ(saved.messages, (std::vector<std::string>{"Input string too long,Line 5" + over,
                                                        "Input string too long,Line 9" + thirty}));
}

TEST_P(LoopFiles, ExportSealsTheCrcOverTheDataArea) {
    BoardDevices& entry = store->devices(1).working;
    entry.header.setCrc(0xDEADBEEF);
    const Bytes saved = buildDeviceFile(entry, 1, code(), FileVariant::PageSave).bytes;
    EXPECT_EQ(u32At(saved, 28), 0xDEADBEEFu);
    const Bytes exported = buildDeviceFile(entry, 1, code(), FileVariant::Export).bytes;
    EXPECT_EQ(u32At(exported, 28), configCrc(std::span(exported).subspan(32)));
}

TEST_P(LoopFiles, DeviceFileReadsBackWhatWasBuilt) {
    BoardDevices& entry = store->devices(40).working;
    entry.device(1, 1).position.assign(u"Büro");
    entry.device(2, 324).position.assign(u"火警");
    entry.device(2, 324).registration = 1;
    entry.device(2, 100).equipType = 24;
    const Bytes b = buildDeviceFile(entry, 40, code(), FileVariant::Export).bytes;

    auto fresh = ConfigStore::create(RunState::begin(code(), folder.path()));
    BoardDevices& loaded = fresh->devices(40).working;
    loaded.device(1, 1).position.assign(u"stale text that is long"); // longer than "Büro"
    readDeviceFile(b, loaded, code(), fresh->cutPositions(40));
    BoardDevices expected = entry;
    expected.header.setCrc(u32At(b, 28));
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(buildDeviceFile(loaded, 40, code(), FileVariant::Export).bytes, b);
}

TEST_P(LoopFiles, VirtualBoardStartUpPositionsFitTheSystemCodesField) {
    for (int j : {kVirtualBoard1, kVirtualBoard2}) {
        EXPECT_TRUE(
            buildDeviceFile(store->devices(j).working, j, code(), FileVariant::Export).writable())
            << j;
    }
    // The longest start-up text: V2, loop 2, address 324.
    const Bytes v2 =
        buildDeviceFile(store->devices(42).working, 42, code(), FileVariant::Export).bytes;
    const std::string longest = code() == SystemCode::TwoLoopSo12
                                    ? std::string("V2L2 Addr324\0", 13)
                                    : std::string("V2 L2 Addr324\0", 14);
    EXPECT_EQ(textAt(v2, recordAt(647) + 12, longest.size()), longest);
}

TEST_P(LoopFiles, IoBoardFileTakesTheFormOfTheSystemCode) {
    IoBoardRecord& boards = store->ioBoards.working;
    boards.registration(40) = 1;
    boards.header.setCrc(0x01020304);
    const Bytes saved =
        buildIoBoardFile(boards, store->headerTemplate(), code(), FileVariant::PageSave).bytes;
    const Bytes exported =
        buildIoBoardFile(boards, store->headerTemplate(), code(), FileVariant::Export).bytes;
    EXPECT_EQ(textAt(saved, 14, 6), std::string("IOBRG\0", 6));
    EXPECT_EQ(u32At(exported, 28), configCrc(std::span(exported).subspan(32)));
    if (code() == SystemCode::OneLoop) {
        ASSERT_EQ(saved.size(), 40u);
        EXPECT_EQ(saved[32], 1);
        EXPECT_EQ(saved[33] | saved[34] | saved[35], 0);
        EXPECT_EQ(u32At(saved, 36), 100000u);
        EXPECT_EQ(u32At(saved, 28), 0u); // rebuilt from the template
    } else {
        ASSERT_EQ(saved.size(), 76u);
        EXPECT_EQ(saved[32], 1);
        EXPECT_EQ(saved[33], 0);
        EXPECT_EQ(saved[71], 1);
        EXPECT_EQ(u32At(saved, 72), 0u); // as held until an export sets it
        EXPECT_EQ(u32At(saved, 28), 0x01020304u);
        boards.setTrailer(IoBoardRecord::kExportTrailer);
        EXPECT_EQ(
            u32At(buildIoBoardFile(boards, store->headerTemplate(), code(), FileVariant::PageSave)
                      .bytes,
                  72),
            100000u);
    }
}

TEST_P(LoopFiles, IoBoardFileReadsUpToSeventySixBytesHeaderIncluded) {
    IoBoardRecord& boards = store->ioBoards.working;
    boards.registration(12) = 1;
    boards.setTrailer(100000);
    const Bytes b = buildIoBoardFile(boards, store->headerTemplate(), SystemCode::TwoLoopSo3,
                                     FileVariant::Export)
                        .bytes;
    Bytes longer = b;
    longer.resize(200, 0xFF);
    IoBoardRecord loaded = IoBoardRecord::defaults(store->headerTemplate());
    readIoBoardFile(longer, loaded, SystemCode::TwoLoopSo3);
    EXPECT_EQ(loaded.registration(12), 1);
    EXPECT_EQ(loaded.trailer(), 100000u);
    EXPECT_EQ(loaded.header.crc(), u32At(b, 28));
}

INSTANTIATE_TEST_SUITE_P(AllSystemCodes, LoopFiles,
                         ::testing::Values(Layout{SystemCode::TwoLoopSo12, 26, 16880, 12},
                                           Layout{SystemCode::OneLoop, 42, 27248, 29},
                                           Layout{SystemCode::TwoLoopSo3, 42, 27248, 29}),
                         test::SystemCodeName());

} // namespace
} // namespace qb
