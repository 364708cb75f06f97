#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace qb {
namespace {

class LinkageDisplay : public ::testing::Test {
protected:
    test::TempDir folder;
    std::unique_ptr<ConfigStore> store =
        ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()));
};

TEST_F(LinkageDisplay, ShowsSequenceBoardLoopAddressAndTypeName) {
    store->devices(3).working.device(1, 5).equipType = 48;
    EXPECT_EQ(outputDisplayText(1, 4, 5, *store), u"001 03-1-005SmkFan");
    store->devices(41).working.device(2, 120).equipType = 25; // from the device type table
    EXPECT_EQ(outputDisplayText(12, 81, 120, *store), u"012 V1-2-120Alarm2");
    store->devices(40).working.device(2, 99).equipType = 11;
    EXPECT_EQ(outputDisplayText(123, 79, 99, *store), u"123 40-2-099MCP");
    store->devices(12).working.device(1, 324).equipType = 0;
    EXPECT_EQ(outputDisplayText(99, 22, 324, *store), u"099 12-1-324");
    EXPECT_EQ(outputDisplayText(7, 83, 1, *store), u"007 V2-2-001OptDet");
    // Padding boundaries; equip type 2 is the start-up default.
    EXPECT_EQ(outputDisplayText(9, 17, 9, *store), u"009 09-2-009OptDet");
    EXPECT_EQ(outputDisplayText(10, 18, 100, *store), u"010 10-1-100OptDet");
    EXPECT_EQ(outputDisplayText(100, 16, 10, *store), u"100 09-1-010OptDet");
}

TEST_F(LinkageDisplay, AppendsATableNameAfterAListNameForTheSameCode) {
    store->deviceTypes.records[0].code = 48;
    store->devices(1).working.device(2, 10).equipType = 48;
    EXPECT_EQ(outputDisplayText(2, 1, 10, *store), u"002 01-2-010SmkFanAlarm1");
}

TEST_F(LinkageDisplay, AddressesOutsideTheTablesShowNoName) {
    EXPECT_EQ(outputDisplayText(1, 84, 1, *store), u"001 V3-1-001");
    EXPECT_EQ(outputDisplayText(1, 255, 324, *store), u"001 V88-2-324");
    EXPECT_EQ(outputDisplayText(1, 0, 0, *store), u"001 01-1-000");
    EXPECT_EQ(outputDisplayText(1, 0, 325, *store), u"001 01-1-325");
}

} // namespace
} // namespace qb
