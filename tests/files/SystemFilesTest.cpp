#include "files/Crc.h"
#include "files/DisplayFile.h"
#include "files/NetworkFile.h"
#include "files/SystemSettingsFile.h"
#include "files/TextCodec.h"
#include "files/ZoneFile.h"
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

std::uint32_t u32At(const Bytes& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint32_t crcOfData(const Bytes& bytes) {
    return configCrc(std::span(bytes).subspan(32));
}

class SystemFiles : public ::testing::TestWithParam<SystemCode> {
protected:
    test::TempDir folder;
    std::unique_ptr<ConfigStore> store =
        ConfigStore::create(RunState::begin(GetParam(), folder.path()));
    std::uint8_t format1() const { return GetParam() == SystemCode::TwoLoopSo12 ? 2 : 3; }
    std::uint8_t format2() const { return GetParam() == SystemCode::TwoLoopSo12 ? 0 : 1; }

    void expectHeader(const Bytes& bytes, const char* tag) {
        EXPECT_EQ(textAt(bytes, 0, 8), std::string("KORVANT\0", 8));
        EXPECT_EQ(bytes[8], format1());
        EXPECT_EQ(bytes[9], format2());
        EXPECT_EQ(textAt(bytes, 14, 6), std::string(tag) + '\0');
    }
};

TEST_P(SystemFiles, ZoneFileLaysOutSixteenByteRecordsAndTheResoundByte) {
    ZoneTable& zones = store->zones.working;
    zones.zone(3).registration = 1;
    zones.zone(3).name.assign(u"Kitchen");
    zones.zone(3).option1 = 0x11;
    zones.zone(3).option2 = 0x22;
    zones.zone(32).name.assign(u"ABCDEFGHIJKL");
    zones.resound = 1;

    const BuiltFile file = buildZoneFile(zones, FileVariant::PageSave);
    ASSERT_TRUE(file.writable());
    const Bytes& b = file.bytes;
    ASSERT_EQ(b.size(), 548u);
    expectHeader(b, "ZONED");
    EXPECT_EQ(b[32], 1);      // zone 1 registered
    EXPECT_EQ(b[32 + 32], 1); // zone 3
    EXPECT_EQ(textAt(b, 65, 8), std::string("Kitchen\0", 8));
    EXPECT_EQ(b[78], 0x11);
    EXPECT_EQ(b[79], 0x22);
    EXPECT_EQ(textAt(b, 32 + 16 * 31 + 1, 13), std::string("ABCDEFGHIJKL\0", 13));
    EXPECT_EQ(b[544], 1);
    EXPECT_EQ(b[545] | b[546] | b[547], 0);
    EXPECT_EQ(u32At(b, 28), 0u);
}

TEST_P(SystemFiles, ExportSealsTheCrcWhilePageSaveWritesTheHeaderAsHeld) {
    ZoneTable& zones = store->zones.working;
    zones.header.setCrc(0x12345678);
    EXPECT_EQ(u32At(buildZoneFile(zones, FileVariant::PageSave).bytes, 28), 0x12345678u);
    const Bytes exported = buildZoneFile(zones, FileVariant::Export).bytes;
    EXPECT_EQ(u32At(exported, 28), crcOfData(exported));
    EXPECT_NE(u32At(exported, 28), 0x12345678u);

    const Bytes fsd = buildDisplayFile(store->displays.working, FileVariant::Export).bytes;
    EXPECT_EQ(u32At(fsd, 28), crcOfData(fsd));
    const Bytes net =
        buildNetworkFile(store->network.working, store->headerTemplate(), FileVariant::Export)
            .bytes;
    EXPECT_EQ(u32At(net, 28), crcOfData(net));
}

TEST_P(SystemFiles, TooLongZoneNamesAreReportedOncePerZoneInOrder) {
    ZoneTable& zones = store->zones.working;
    zones.zone(4).name.assign(u"火警区域A");     // 13 bytes
    zones.zone(9).name.assign(u"ABCDEFGHIJKLM"); // cut to 12 in memory: fits
    zones.zone(20).name.assign(u"一二三四五六"); // 18 bytes
    const BuiltFile exported = buildZoneFile(zones, FileVariant::Export);
    EXPECT_FALSE(exported.writable());
    EXPECT_EQ(
        exported.messages,
        (std::vector<std::string>{
            "Input string too long,Zone 4\nThe limit is 12 bytes; this text has 13 bytes.",
            "Input string too long,Zone 20\nThe limit is 12 bytes; this text has 18 bytes."}));
    const BuiltFile saved = buildZoneFile(zones, FileVariant::PageSave);
    EXPECT_EQ(
        saved.messages,
        (std::vector<std::string>{
            "Input string too long,Line 4\nThe limit is 12 bytes; this text has 13 bytes.",
            "Input string too long,Line 20\nThe limit is 12 bytes; this text has 18 bytes."}));
}

TEST_P(SystemFiles, NetworkFileIsTheTemplateHeaderAndTheTableBytes) {
    NetworkTable& net = store->network.working;
    net.setHostIndex(6);
    net.setShare(1);
    net.hostRegistration(7) = 1;
    net.hostType(254) = 3;
    net.data[3000] = 0x5A; // reserved bytes travel unchanged
    // A header loaded from a file of another controller family is not what gets written.
    net.header.bytes()[8] = 9;
    net.header.setCrc(77);

    const Bytes b = buildNetworkFile(net, store->headerTemplate(), FileVariant::PageSave).bytes;
    ASSERT_EQ(b.size(), 3120u);
    expectHeader(b, "NETWK");
    EXPECT_EQ(u32At(b, 28), 0u);
    EXPECT_EQ(b[32], 6);
    EXPECT_EQ(b[56], 1);
    EXPECT_EQ(b[57 + 1], 1);
    EXPECT_EQ(b[57 + 7], 1);
    EXPECT_EQ(b[311 + 254], 3);
    EXPECT_EQ(b[32 + 3000], 0x5A);
}

TEST_P(SystemFiles, SystemSettingsFileHoldsTheRecordAsHeld) {
    const Bytes b = buildSystemSettingsFile(store->systemSettings.working).bytes;
    ASSERT_EQ(b.size(), 88u);
    expectHeader(b, "IOBDT");
    EXPECT_EQ(textAt(b, 32, 26), std::string("The fire alarm controller\0", 26));
    EXPECT_EQ(b[73], 81);
    EXPECT_EQ(b[77], 0);
    EXPECT_EQ(u32At(b, 80), 9600u);
    EXPECT_EQ(u32At(b, 84), 100000u);
}

TEST_P(SystemFiles, DisplayFileLaysOutFortyFourByteRecords) {
    DisplayRecord& d2 = store->displays.working.display(2);
    d2.registration = 1;
    d2.type = 1;
    d2.zone = 31;
    d2.name.assign(u"Reception");
    store->displays.working.display(30).name.assign(u"Gate");

    const Bytes b = buildDisplayFile(store->displays.working, FileVariant::PageSave).bytes;
    ASSERT_EQ(b.size(), 1352u);
    expectHeader(b, "FSDDT");
    EXPECT_EQ(b[76], 1);
    EXPECT_EQ(b[77], 1);
    EXPECT_EQ(b[78], 31);
    EXPECT_EQ(textAt(b, 79, 10), std::string("Reception\0", 10));
    EXPECT_EQ(b[32 + 1], 2); // display 1 keeps the default "Zone-Disp"
    EXPECT_EQ(textAt(b, 32 + 44 * 29 + 3, 5), std::string("Gate\0", 5));
}

TEST_P(SystemFiles, AnEmptiedDisplayNameIsWrittenEmpty) {
    DisplayTable& displays = store->displays.working;
    displays.display(5).name.assign(u"Old reception desk");
    Bytes b = buildDisplayFile(displays, FileVariant::PageSave).bytes;
    displays.display(5).name.assign(u"");
    b = buildDisplayFile(displays, FileVariant::PageSave).bytes;
    const std::size_t field = 32 + 44 * 4 + 3;
    EXPECT_EQ(Bytes(b.begin() + field, b.begin() + field + 41), Bytes(41, 0));
}

TEST_P(SystemFiles, AnOverlongDisplayNameIsCutBetweenCharactersWithinItsField) {
    DisplayTable& displays = store->displays.working;
    displays.display(1).name.assign(u"一二三四五六七八九十一二三四五六七八九十"); // 60 bytes
    displays.display(2).registration = 0x77;
    const Bytes b = buildDisplayFile(displays, FileVariant::PageSave).bytes;
    EXPECT_EQ(textAt(b, 35, 40), toUtf8(u"一二三四五六七八九十一二三") + '\0');
    EXPECT_EQ(b[35 + 39], 0);
    EXPECT_EQ(b[76], 0x77); // the next record is intact
}

TEST_P(SystemFiles, EveryFileReadsBackWhatWasBuilt) {
    ConfigStore& s = *store;
    s.zones.working.zone(2).registration = 1;
    s.zones.working.zone(2).name.assign(u"Küche Ost");
    s.zones.working.zone(31).name.assign(u"火警区域");
    s.zones.working.zone(31).option2 = 4;
    s.zones.working.resound = 1;
    s.network.working.setHostIndex(200);
    s.network.working.hostType(9) = 3;
    s.displays.working.display(7).name.assign(u"Σύνολο \U0001F525 ÄÖÜ");
    s.displays.working.display(7).type = 1;
    s.displays.working.display(7).zone = 12;
    s.systemSettings.working.setCanRate(20000);

    const Bytes zone = buildZoneFile(s.zones.working, FileVariant::Export).bytes;
    const Bytes net =
        buildNetworkFile(s.network.working, s.headerTemplate(), FileVariant::Export).bytes;
    const Bytes fsd = buildDisplayFile(s.displays.working, FileVariant::Export).bytes;
    const Bytes sys = buildSystemSettingsFile(s.systemSettings.working).bytes;

    auto fresh = ConfigStore::create(RunState::begin(GetParam(), folder.path()));
    readZoneFile(zone, fresh->zones.working);
    readNetworkFile(net, fresh->network.working);
    readDisplayFile(fsd, fresh->displays.working);
    readSystemSettingsFile(sys, fresh->systemSettings.working);

    // The loaded headers carry the exported CRCs; everything else is what was built.
    ZoneTable zonesExpected = s.zones.working;
    zonesExpected.header.setCrc(u32At(zone, 28));
    EXPECT_EQ(fresh->zones.working, zonesExpected);
    EXPECT_EQ(fresh->network.working.data, s.network.working.data);
    EXPECT_EQ(fresh->network.working.header.crc(), u32At(net, 28));
    DisplayTable displaysExpected = s.displays.working;
    displaysExpected.header.setCrc(u32At(fsd, 28));
    EXPECT_EQ(fresh->displays.working, displaysExpected);
    EXPECT_EQ(fresh->systemSettings.working, s.systemSettings.working);

    // Building again from what was read gives the same bytes.
    EXPECT_EQ(buildZoneFile(fresh->zones.working, FileVariant::Export).bytes, zone);
    EXPECT_EQ(buildDisplayFile(fresh->displays.working, FileVariant::Export).bytes, fsd);
}

TEST_P(SystemFiles, ReadingAShorterNameLeavesNoTraceOfTheLongerOne) {
    ZoneTable& zones = store->zones.working;
    zones.zone(1).name.assign(u"A");
    const Bytes b = buildZoneFile(zones, FileVariant::Export).bytes;
    zones.zone(1).name.assign(u"Long name 12");
    readZoneFile(b, zones);
    EXPECT_EQ(zones.zone(1).name, FixedText<13>(u"A"));
}

INSTANTIATE_TEST_SUITE_P(AllSystemCodes, SystemFiles, test::allSystemCodes(),
                         test::SystemCodeName());

} // namespace
} // namespace qb
