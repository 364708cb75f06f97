#include "files/DeviceFile.h"
#include "files/DisplayFile.h"
#include "files/IoBoardFile.h"
#include "files/NetworkFile.h"
#include "files/SystemSettingsFile.h"
#include "files/ZoneFile.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DamagedInput : public ::testing::Test {
protected:
    test::TempDir folder;
    std::unique_ptr<ConfigStore> store =
        ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()));
};

TEST_F(DamagedInput, AShortZoneOrDisplayFileGivesWhatItHoldsOfItsCutRecordAndHeader) {
    ZoneTable source = store->zones.working;
    for (int z = 1; z <= 32; ++z) {
        source.zone(z).registration = 1;
        source.zone(z).name.assign(u"Z" + std::u16string(1, char16_t(u'A' + z % 26)));
    }
    source.zone(3).name.assign(u"Küche");
    const Bytes full = buildZoneFile(source, FileVariant::Export).bytes;

    // Zones 1 and 2 complete; zone 3 ends inside the "ü" of its name, before its options.
    const Bytes cut(full.begin(), full.begin() + 32 + 16 * 2 + 3);
    ZoneTable& zones = store->zones.working;
    zones.zone(3).name.assign(u"Keep me");
    zones.zone(3).option1 = 0x55;
    zones.zone(4).name.assign(u"Untouched");
    readZoneFile(cut, zones);
    EXPECT_EQ(zones.zone(1), source.zone(1));
    EXPECT_EQ(zones.zone(2), source.zone(2));
    EXPECT_EQ(zones.zone(3).registration, 1);
    EXPECT_EQ(zones.zone(3).name.view(), u"K"); // the cut character is left out
    EXPECT_EQ(zones.zone(3).option1, 0x55);
    EXPECT_EQ(zones.zone(4).name.view(), u"Untouched");
    EXPECT_EQ(zones.header, FileHeader::fromBytes(full));

    // Too short for a whole header: its bytes are laid over the header, the rest stays.
    Bytes start(full.begin(), full.begin() + 20);
    start[8] = 9;
    zones.header.setCrc(0x01020304);
    readZoneFile(start, zones);
    EXPECT_EQ(zones.header.formatByte1(), 9);
    EXPECT_EQ(zones.header.crc(), 0x01020304u);

    DisplayTable displays = store->displays.working;
    displays.display(2).registration = 1;
    displays.display(2).type = 1;
    const Bytes fsd = buildDisplayFile(displays, FileVariant::Export).bytes;
    DisplayTable& loaded = store->displays.working;
    loaded.display(2).zone = 7;
    loaded.display(2).name.assign(u"Old name");
    // Display 2 ends after its type byte.
    readDisplayFile(Bytes(fsd.begin(), fsd.begin() + 32 + 44 + 2), loaded);
    EXPECT_EQ(loaded.display(2).registration, 1);
    EXPECT_EQ(loaded.display(2).type, 1);
    EXPECT_EQ(loaded.display(2).zone, 7);
    EXPECT_EQ(loaded.display(2).name.view(), u"Old name");
}

TEST_F(DamagedInput, AShortDeviceFileGivesWhatItHoldsOfItsCutRecordAndKeepsTheRest) {
    BoardDevices source = store->devices(2).working;
    source.device(1, 1).position.assign(u"first");
    source.device(1, 2).position.assign(u"second");
    source.device(1, 2).zone = 9;
    const Bytes full =
        buildDeviceFile(source, 2, SystemCode::TwoLoopSo3, FileVariant::Export).bytes;
    BoardDevices& entry = store->devices(2).working;
    entry.device(1, 2).position.assign(u"previous");
    entry.device(1, 3).position.assign(u"untouched");
    // Address 2 ends three letters into its position.
    readDeviceFile(Bytes(full.begin(), full.begin() + 32 + 42 + 12 + 3), entry,
                   SystemCode::TwoLoopSo3, store->cutPositions(2));
    EXPECT_EQ(entry.device(1, 1).position.view(), u"first");
    EXPECT_EQ(entry.device(1, 2).zone, 9);
    EXPECT_EQ(entry.device(1, 2).position.view(), u"sec");
    EXPECT_EQ(entry.device(1, 3).position.view(), u"untouched");

    // Cut inside the address: the half of a number is not taken.
    entry.device(1, 2).address = 0x0102;
    Bytes cutAddress(full.begin(), full.begin() + 32 + 42 + 3);
    cutAddress.back() = 0x77;
    readDeviceFile(cutAddress, entry, SystemCode::TwoLoopSo3, store->cutPositions(2));
    EXPECT_EQ(entry.device(1, 2).address, 0x0102);
}

TEST_F(DamagedInput, AShortNetworkFileOverlaysOnlyWhatItHolds) {
    NetworkTable& net = store->network.working;
    net.hostRegistration(100) = 1;
    Bytes cut = buildNetworkFile(net, store->headerTemplate(), FileVariant::Export).bytes;
    cut.resize(32 + 60);
    cut[32] = 4;
    NetworkTable loaded = NetworkTable::defaults(store->headerTemplate());
    loaded.hostType(200) = 3;
    readNetworkFile(cut, loaded);
    EXPECT_EQ(loaded.hostIndex(), 4);
    EXPECT_EQ(loaded.hostType(200), 3);
    EXPECT_EQ(loaded.hostRegistration(100), 0); // beyond the file's end: unchanged
}

TEST_F(DamagedInput, NamesWithoutTheirNulAreCutAtTheFieldNotTheRecord) {
    Bytes zone = buildZoneFile(store->zones.working, FileVariant::Export).bytes;
    // Zone 1: thirteen letters and no NUL; its option bytes follow right after.
    std::fill_n(zone.begin() + 33, 13, 'N');
    zone[46] = 0x66;
    readZoneFile(zone, store->zones.working);
    EXPECT_EQ(store->zones.working.zone(1).name.view(), std::u16string(12, u'N'));
    EXPECT_EQ(store->zones.working.zone(1).option1, 0x66);
    EXPECT_EQ(store->zones.working.zone(2).registration, 0);

    Bytes fsd = buildDisplayFile(store->displays.working, FileVariant::Export).bytes;
    std::fill_n(fsd.begin() + 35, 41, 'D');
    fsd[76] = 1; // display 2 registered
    readDisplayFile(fsd, store->displays.working);
    EXPECT_EQ(store->displays.working.display(1).name.view(), std::u16string(40, u'D'));
    EXPECT_EQ(store->displays.working.display(2).registration, 1);
    EXPECT_TRUE(store->displays.working.display(2).name.empty());

    Bytes id =
        buildDeviceFile(store->devices(1).working, 1, SystemCode::TwoLoopSo3, FileVariant::Export)
            .bytes;
    std::fill_n(id.begin() + 32 + 12, 30, 'P');
    readDeviceFile(id, store->devices(1).working, SystemCode::TwoLoopSo3, store->cutPositions(1));
    EXPECT_EQ(store->devices(1).working.device(1, 1).position.view(), std::u16string(29, u'P'));
    EXPECT_EQ(store->cutPositions(1).count(), 1u);
    EXPECT_TRUE(store->cutPositions(1).test(0));
    EXPECT_EQ(store->devices(1).working.device(1, 2).address, 2);
}

TEST_F(DamagedInput, InvalidUtf8IsReadAsReplacementCharactersWithinTheField) {
    Bytes zone = buildZoneFile(store->zones.working, FileVariant::Export).bytes;
    std::fill_n(zone.begin() + 33, 13, 0xFF); // thirteen invalid bytes
    readZoneFile(zone, store->zones.working);
    EXPECT_EQ(store->zones.working.zone(1).name.view(), std::u16string(12, u'\uFFFD'));
    // Such a name no longer fits its twelve bytes: the next export reports it instead of
    // writing a broken file.
    EXPECT_EQ(buildZoneFile(store->zones.working, FileVariant::Export).messages.size(), 1u);

    Bytes id =
        buildDeviceFile(store->devices(1).working, 1, SystemCode::TwoLoopSo12, FileVariant::Export)
            .bytes;
    const Bytes broken{'A', 0xC3, 'B', 0xE7, 0x81, 0};
    std::copy(broken.begin(), broken.end(), id.begin() + 32 + 12);
    readDeviceFile(id, store->devices(1).working, SystemCode::TwoLoopSo12, store->cutPositions(1));
    EXPECT_EQ(store->devices(1).working.device(1, 1).position.view(), u"A\uFFFDB\uFFFD");
}

TEST_F(DamagedInput, RandomBytesOfAnyLengthNeverReadOutOfBounds) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::size_t lengths[] = {0,   1,   13,   31,   32,    33,    100,   547,
                                   548, 549, 1352, 3120, 16880, 27247, 27248, 40000};
    for (std::size_t length : lengths) {
        Bytes bytes(length);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        readZoneFile(bytes, store->zones.working);
        readNetworkFile(bytes, store->network.working);
        readSystemSettingsFile(bytes, store->systemSettings.working);
        readDisplayFile(bytes, store->displays.working);
        readIoBoardFile(bytes, store->ioBoards.working, SystemCode::TwoLoopSo3);
        readIoBoardFile(bytes, store->ioBoards.working, SystemCode::OneLoop);
        readDeviceFile(bytes, store->devices(1).working, SystemCode::TwoLoopSo12,
                       store->cutPositions(1));
        readDeviceFile(bytes, store->devices(2).working, SystemCode::TwoLoopSo3,
                       store->cutPositions(2));
    }
    // Whatever was read can be built again, within every field.
    for (const auto variant : {FileVariant::Export, FileVariant::PageSave}) {
        EXPECT_EQ(buildZoneFile(store->zones.working, variant).bytes.size(), 548u);
        EXPECT_EQ(buildDisplayFile(store->displays.working, variant).bytes.size(), 1352u);
        EXPECT_EQ(buildDeviceFile(store->devices(2).working, 2, SystemCode::TwoLoopSo3, variant)
                      .bytes.size(),
                  27248u);
    }
    for (const DisplayRecord& display : store->displays.working.displays) {
        EXPECT_LE(display.name.view().size(), 40u);
    }
}

} // namespace
} // namespace qb
