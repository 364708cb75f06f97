#include "check/SetDiff.h"
#include "CheckFixtures.h"
#include "devices/HydrantChains.h"
#include "devices/MimicLedRecords.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace qb {
namespace {

using test::addGeneralRule;
using test::freshStore;

TEST(SetDiff, IdenticalSetsGiveNothing) {
    const auto before = freshStore();
    const auto after = freshStore();
    addGeneralRule(*before, 2, {17});
    addGeneralRule(*after, 2, {17});
    EXPECT_TRUE(diffConfigurations(*before, *after).empty());
}

TEST(SetDiff, RulesAreMatchedByKindAndInputsNotByRecordOrPage) {
    const auto before = freshStore();
    addGeneralRule(*before, 2, {17, 18});
    addGeneralRule(*before, 3, {20});
    addGeneralRule(*before, 11, {21});

    // The same rules in other records, in another order, with outputs in another order.
    const auto after = freshStore();
    addGeneralRule(*after, 11, {1}); // takes records that the others would have had
    addGeneralRule(*after, 3, {20});
    addGeneralRule(*after, 2, {18, 17});
    addGeneralRule(*after, 11, {21});
    deleteRule(after->linkageInputs.working, after->linkageResults.working, LinkageKind::General,
               1);
    ASSERT_NE(ruleChain(after->linkageInputs.working, LinkageKind::General),
              ruleChain(before->linkageInputs.working, LinkageKind::General));
    EXPECT_TRUE(diffConfigurations(*before, *after).empty());

    // Page 2 is now rule OptDet; one output more there, one rule fewer, one rule more.
    const int optDet = ruleChain(after->linkageInputs.working, LinkageKind::General)[1];
    appendOutput(after->linkageInputs.working, after->linkageResults.working, optDet,
                 LinkageKind::General, 0, 3, 5);
    deleteRule(after->linkageInputs.working, after->linkageResults.working, LinkageKind::General,
               3);
    addGeneralRule(*after, 7, {});
    const ChangeLines expected{
        "general rule 2: output 02-2-005 added",
        "general rule 3 added: registered, types ConvOptD, delay 005s, fire signals none, "
        "no outputs",
        "general rule 3 removed: registered, types MCP, delay 005s, fire signals none, "
        "outputs 01-1-021",
    };
    EXPECT_EQ(diffConfigurations(*before, *after), expected);
}

struct TableChange {
    const char* table;
    // Applied to both sets, then to the second only.
    void (*common)(ConfigStore&);
    void (*change)(ConfigStore&);
    const char* line;
};

void nothing(ConfigStore&) {}

const TableChange kTableChanges[] = {
    {"zones", [](ConfigStore& s) { s.zones.working.zone(3).name.assign(u"Lobby"); },
     [](ConfigStore& s) { s.zones.working.zone(3).name.assign(u"Hall"); },
     R"(zone 3 name: "Lobby" -> "Hall")"},
    {"network", nothing,
     [](ConfigStore& s) {
         s.network.working.hostRegistration(5) = 1;
         s.network.working.hostType(5) = NetworkTable::kHostTypeRegistered;
     },
     "host 5: registered, type 0 -> 3"},
    {"displays", nothing,
     [](ConfigStore& s) {
         s.displays.working.display(2).type = DisplayRecord::kAllDisplay;
         s.displays.working.display(2).name.assign(u"Gate");
     },
     R"(display 2: type Zone-Disp -> All-Disp, name "" -> "Gate")"},
    {"IO boards", nothing, [](ConfigStore& s) { s.ioBoards.working.registration(3) = 1; },
     "IO board 3: registered"},
    {"devices", [](ConfigStore& s) { s.devices(2).working.device(1, 17).zone = 3; },
     [](ConfigStore& s) {
         DeviceRecord& device = s.devices(2).working.device(1, 17);
         device.registration = 1;
         device.equipType = 3;
         device.zone = 4;
     },
     "device IO02-L1-017: registered, type OptDet -> HeatDet, zone 04 -> 05"},
    {"linkage", [](ConfigStore& s) { addGeneralRule(s, 2, {}); },
     [](ConfigStore& s) {
         appendOutput(s.linkageInputs.working, s.linkageResults.working, 0, LinkageKind::General, 0,
                      0, 17);
     },
     "general rule 1: output 01-1-017 added"},
    {"mimic modules", nothing, [](ConfigStore& s) { s.mimic.working.registration(3) = 1; },
     "mimic module 3: registered"},
    {"mimic LEDs", nothing,
     [](ConfigStore& s) {
         auto settings = std::make_unique<mimicrecords::Settings>();
         MimicLed& led = (*settings)[0][32];
         led.cause = MimicLed::Zone;
         led.number = 4;
         ASSERT_TRUE(mimicrecords::store(s.linkageInputs.working, *settings));
     },
     "mimic module 1 LED 33: cause NULL -> Zone to LED, none -> zone 04"},
    {"keypads",
     [](ConfigStore& s) {
         s.keypad.working.setPoint(0, {1, 0, 7, 3});
     },
     [](ConfigStore& s) {
         s.keypad.working.setPoint(0, {1, 0, 9, 3});
     },
     "keypad point 1: button 7 -> 9"},
    {"hand control", nothing,
     [](ConfigStore& s) {
         s.handControl.working.setPoint(0, {1, 1, 5, 1, 2, 2, 1, 17});
     },
     "hand control point 1 added: registered, input IO01-L1-005, output 02-1-017 on host 002"},
    {"broadcast controllers", nothing,
     [](ConfigStore& s) {
         s.broadcast.working.registration(3) = 1;
         s.broadcast.working.sizeCode(3) = 2;
     },
     "broadcast controller 3: registration 255 -> 1, points 30 -> 90"},
    {"broadcast points", nothing,
     [](ConfigStore& s) {
         s.broadcastPoints.working.setSlot(0, {1, 0, 4, 41, 2, 0, 17, 0});
     },
     "broadcast point 1 added: registered, controller 01, point 05, module V2-L2-017"},
    {"hydrant", nothing,
     [](ConfigStore& s) {
         ASSERT_TRUE(hydrant::storeInput(s.hydrant.working, 0, {true, 1, 1, 5, hydrant::kRuleList},
                                         {{2, 1, 17}, {2, 1, 18}}));
     },
     "hydrant input 1 added: registered, input IO01-L1-005, rule list, "
     "outputs 02-1-017 02-1-018"},
    {"gas zones", nothing,
     [](ConfigStore& s) { s.gasZones.working.zone(5)[GasZoneTable::kManualRelease] = 0xAC; },
     "gas zone 5: manual release Forbid -> Allow"},
};

TEST(SetDiff, EachTableExplainsItsChangeInOneLineInTableOrder) {
    const auto allBefore = freshStore();
    const auto allAfter = freshStore();
    ChangeLines allExpected;
    for (const TableChange& c : kTableChanges) {
        SCOPED_TRACE(c.table);
        const auto before = freshStore();
        const auto after = freshStore();
        for (ConfigStore* store : {before.get(), after.get(), allBefore.get(), allAfter.get()}) {
            c.common(*store);
        }
        c.change(*after);
        c.change(*allAfter);
        EXPECT_EQ(diffConfigurations(*before, *after), ChangeLines{c.line});
        allExpected.push_back(c.line);
    }
    EXPECT_EQ(diffConfigurations(*allBefore, *allAfter), allExpected);
}

} // namespace
} // namespace qb
