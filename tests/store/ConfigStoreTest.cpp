#include "store/ConfigStore.h"
#include "store/BuildingTable.h"
#include "store/DeviceCatalog.h"
#include "support/SystemCodeNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

class FreshStore : public ::testing::TestWithParam<SystemCode> {
protected:
    test::TempDir folder;
    std::unique_ptr<ConfigStore> store =
        ConfigStore::create(RunState::begin(GetParam(), folder.path()));
};

TEST_P(FreshStore, RegistersZoneOneHostOneAndBoardOneOnly) {
    const ConfigStore& s = *store;
    for (int z = 1; z <= 32; ++z) {
        EXPECT_EQ(s.zones.working.zone(z).registration, z == 1 ? 1 : 0) << "zone " << z;
    }
    for (int h = 1; h <= 254; ++h) {
        EXPECT_EQ(s.network.working.hostRegistration(h), h == 1 ? 1 : 0) << "host " << h;
        EXPECT_EQ(s.network.working.hostType(h), 0) << "host " << h;
    }
    for (int i = 1; i <= 40; ++i) {
        EXPECT_EQ(s.ioBoards.working.registration(i), i == 1 ? 1 : 0) << "board " << i;
    }
    for (int d = 1; d <= 30; ++d) {
        EXPECT_EQ(s.displays.working.display(d).registration, 0);
        EXPECT_EQ(s.displays.working.display(d).type, 2);
    }
    for (int j = 1; j <= 42; ++j) {
        for (const DeviceRecord& device : s.devices(j).working.records) {
            ASSERT_EQ(device.registration, 0);
        }
    }
    EXPECT_EQ(s.hostIndex(), 0);
    EXPECT_EQ(s.ioBoards.working.trailer(), 0u);
    EXPECT_EQ(s.zones.working.resound, 0);
    EXPECT_EQ(s.network.working.share(), 0);
}

TEST_P(FreshStore, EveryTableHeaderCarriesTheTemplateAndItsTag) {
    const ConfigStore& s = *store;
    const FileHeader& t = s.headerTemplate();
    const auto expectHeader = [&](const FileHeader& header, const char* tag) {
        FileHeader expected = t;
        expected.setTag(tag);
        EXPECT_EQ(header, expected) << tag;
    };
    expectHeader(s.zones.working.header, "ZONED");
    expectHeader(s.buildings.working.header, "BLDDT");
    expectHeader(s.floors.working.header, "FLRDT");
    expectHeader(s.network.working.header, "NETWK");
    expectHeader(s.systemSettings.working.header, "IOBDT");
    expectHeader(s.ioBoards.working.header, "IOBRG");
    expectHeader(s.displays.working.header, "FSDDT");
    expectHeader(s.deviceTypes.header, "EQPEX");
    for (int j = 1; j <= 42; ++j) {
        expectHeader(s.devices(j).working.header, "IOBDT");
    }
}

TEST_P(FreshStore, DeviceRecordsStartWithTheirAddressLoopIndexAndDefaults) {
    const DeviceRecord& first = store->devices(3).working.device(1, 1);
    EXPECT_EQ(first.address, 1);
    EXPECT_EQ(first.loopIndex, 4);
    EXPECT_EQ(first.zone, 0);
    EXPECT_EQ(first.equipType, 2);
    EXPECT_EQ(first.productType, 2);
    EXPECT_EQ(first.outputMode, 1);
    EXPECT_EQ(first.workMode, 1);
    EXPECT_TRUE(first.position.empty());

    const DeviceRecord& last = store->devices(40).working.device(2, 324);
    EXPECT_EQ(last.address, 324);
    EXPECT_EQ(last.loopIndex, 79);

    // System code 0 stores at most 12 bytes: its virtual positions go without the blank.
    const bool twelveBytes = GetParam() == SystemCode::TwoLoopSo12;
    EXPECT_EQ(store->devices(41).working.device(1, 7).position.view(),
              twelveBytes ? u"V1L1 Addr7" : u"V1 L1 Addr7");
    EXPECT_EQ(store->devices(41).working.device(2, 324).position.view(),
              twelveBytes ? u"V1L2 Addr324" : u"V1 L2 Addr324");
    EXPECT_EQ(store->devices(41).working.device(2, 324).loopIndex, 81);
    EXPECT_EQ(store->devices(42).working.device(1, 100).position.view(),
              twelveBytes ? u"V2L1 Addr100" : u"V2 L1 Addr100");
    EXPECT_EQ(store->devices(42).working.device(2, 1).loopIndex, 83);
}

TEST_P(FreshStore, SystemSettingsStartWithTheControllerDefaults) {
    const SystemSettings& settings = store->systemSettings.working;
    EXPECT_EQ(settings.hostName(), "The fire alarm controller");
    EXPECT_EQ(settings.data[41], 0x51);
    EXPECT_EQ(settings.data[45], 0);
    EXPECT_EQ(settings.data[47], 0);
    EXPECT_EQ(settings.baudRate(), 9600u);
    EXPECT_EQ(settings.canRate(), 100000u);
    // little-endian on disk: 100000 = 0x000186A0
    EXPECT_EQ(settings.data[52], 0xA0);
    EXPECT_EQ(settings.data[53], 0x86);
    EXPECT_EQ(settings.data[54], 0x01);
}

TEST_P(FreshStore, EverySavedCopyEqualsItsWorkingCopy) {
    EXPECT_FALSE(store->zones.modified());
    EXPECT_FALSE(store->network.modified());
    EXPECT_FALSE(store->displays.modified());
    EXPECT_FALSE(store->ioBoards.modified());
    EXPECT_FALSE(store->systemSettings.modified());
    for (int j = 1; j <= 42; ++j) {
        EXPECT_FALSE(store->devices(j).modified());
    }
}

INSTANTIATE_TEST_SUITE_P(AllSystemCodes, FreshStore, test::allSystemCodes(),
                         test::SystemCodeName());

TEST(SavePoint, RevertRestoresTheLastSavePointAndOnlyThatTable) {
    test::TempDir folder;
    auto store = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()));
    store->zones.working.zone(5).name.assign(u"Lobby");
    store->zones.takeSavePoint();
    store->zones.working.zone(5).name.assign(u"Stairs");
    store->zones.working.resound = 1;
    store->devices(7).working.device(2, 10).registration = 1;
    EXPECT_TRUE(store->zones.modified());

    store->zones.revert();
    EXPECT_EQ(store->zones.working.zone(5).name.view(), u"Lobby");
    EXPECT_EQ(store->zones.working.resound, 0);
    EXPECT_EQ(store->devices(7).working.device(2, 10).registration, 1);

    store->devices(7).revert();
    EXPECT_EQ(store->devices(7).working.device(2, 10).registration, 0);
}

TEST(SavePoint, LoadDefaultsResetsEveryTable) {
    test::TempDir folder;
    auto store = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()));
    store->network.working.setHostIndex(9);
    store->devices(42).working.device(1, 1).position.assign(u"x");
    store->loadDefaults();
    EXPECT_EQ(store->hostIndex(), 0);
    EXPECT_EQ(store->devices(42).working.device(1, 1).position.view(), u"V2 L1 Addr1");
}

TEST(DeviceCatalog, ListsKeepTheirDisplayOrder) {
    const auto devices = deviceTypeList();
    ASSERT_EQ(devices.size(), 47u);
    EXPECT_EQ(devices[0].code, 1);
    EXPECT_EQ(devices[5].code, 17);
    EXPECT_EQ(devices[5].name, u"GasDet");
    EXPECT_EQ(devices[18].name, u"EM Valve");
    EXPECT_EQ(devices[25].code, 83);
    EXPECT_EQ(devices[28].code, 55);
    EXPECT_EQ(devices[46].code, 80);
    EXPECT_EQ(devices[46].name, u"PSB");

    const auto products = productTypeList();
    ASSERT_EQ(products.size(), 19u);
    EXPECT_EQ(products[6].code, 51);
    EXPECT_EQ(products[7].code, 55);
    EXPECT_EQ(products[8].code, 52);
    EXPECT_EQ(products[14].name, u"SoundStrobe");
    EXPECT_EQ(products[18].code, 64);
}

TEST(DeviceCatalog, NamesComeFromTheListThenTheDeviceTypeTable) {
    const DeviceTypeTable table =
        DeviceTypeTable::defaults(FileHeader::makeTemplate(SystemCode::TwoLoopSo3));
    EXPECT_EQ(deviceTypeName(2, table), u"OptDet");
    EXPECT_EQ(deviceTypeName(80, table), u"PSB");
    EXPECT_EQ(deviceTypeName(24, table), u"Alarm1");
    EXPECT_EQ(deviceTypeName(29, table), u"Alarm6");
    EXPECT_EQ(deviceTypeName(91, table), u"Feedback1");
    EXPECT_EQ(deviceTypeName(106, table), u"Feedback16");
    EXPECT_EQ(deviceTypeName(0, table), u"none");
    EXPECT_EQ(deviceTypeName(30, table), u"none");
    EXPECT_EQ(deviceTypeName(255, table), u"none");

    EXPECT_EQ(productTypeName(54), u"KZJ_LD");
    EXPECT_EQ(productTypeName(17), u"none");
    EXPECT_EQ(productTypeName(0), u"none");
}

TEST(DeviceCatalog, DeviceTypeTableHoldsAlarmAndFeedbackTypes) {
    const DeviceTypeTable table =
        DeviceTypeTable::defaults(FileHeader::makeTemplate(SystemCode::TwoLoopSo3));
    EXPECT_EQ(table.records[0].code, 24);
    EXPECT_EQ(table.records[5].code, 29);
    for (int r = 6; r < 16; ++r) {
        EXPECT_EQ(table.records[r].code, 0);
        EXPECT_TRUE(table.records[r].name.empty());
    }
    EXPECT_EQ(table.records[16].code, 91);
    EXPECT_EQ(table.records[31].code, 106);
    EXPECT_EQ(table.records[31].name.view(), u"Feedback16");
}

TEST(FloorIndex, BasementFloorsCountDownFromTheTop) {
    EXPECT_EQ(floorIndex(1), 1);
    EXPECT_EQ(floorIndex(200), 200);
    EXPECT_EQ(floorIndex(-1), 256);
    EXPECT_EQ(floorIndex(-10), 247);
    EXPECT_FALSE(floorIndex(0));
    EXPECT_FALSE(floorIndex(201));
    EXPECT_FALSE(floorIndex(-11));
}

} // namespace
} // namespace qb
