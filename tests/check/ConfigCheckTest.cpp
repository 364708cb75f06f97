#include "check/ConfigCheck.h"
#include "devices/HydrantChains.h"
#include "devices/MimicLedRecords.h"
#include "files/DataExport.h"
#include "files/FileNames.h"
#include "files/MemoryFolder.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace qb {
namespace {

using test::FakePrompter;

// A rule record as the linkage editor's OK leaves it: marked, not registered.
void storedByEditor(LinkageInputTable& input, int record, LinkageKind kind) {
    condition::mark(input.record(record), kind);
    input.record(record)[regOffset(kind)] = 0;
}

// A set as Data export leaves it, in memory, with its store beside it.
class ConfigCheckTest : public ::testing::Test {
protected:
    explicit ConfigCheckTest(SystemCode code = SystemCode::TwoLoopSo12)
        : store(ConfigStore::create(RunState::begin(code, program.path()))) {}

    void exportSet() {
        FakePrompter prompter;
        ASSERT_EQ(dataExport(*store, folder, prompter).problems, 0) << prompter.texts().at(0);
    }
    std::vector<Finding> check(bool forController = false) {
        return checkConfiguration(*store, folder, CheckOptions{forController});
    }
    std::vector<std::uint8_t>& file(std::string_view name) {
        return folder.files().at(fileName(0, name));
    }
    // An output module at board 1, loop 1, `address`.
    void outputModule(int address) {
        DeviceRecord& device = store->devices(1).working.device(1, address);
        device.registration = 1;
        device.productType = 52;
        device.equipType = 48; // SmkFan
    }
    // A general rule with outputs at these addresses of board 1 loop 1; its record index.
    int generalRule(std::initializer_list<int> addresses) {
        LinkageInputTable& input = store->linkageInputs.working;
        LinkageResultTable& result = store->linkageResults.working;
        const int record = *appendRule(input, result, LinkageKind::General);
        storedByEditor(input, record, LinkageKind::General);
        for (const int address : addresses) {
            appendOutput(input, result, record, LinkageKind::General, 0, 0,
                         static_cast<std::uint16_t>(address));
        }
        return record;
    }

    test::TempDir program;
    std::unique_ptr<ConfigStore> store;
    MemoryFolder folder;
};

// "error: M001LDCO.BIN, general rule 1: ..." lines, to find a finding by its words.
std::vector<std::string> lines(const std::vector<Finding>& findings) {
    std::vector<std::string> text;
    for (const Finding& finding : findings) {
        text.push_back(findingLine(finding));
    }
    return text;
}

::testing::AssertionResult found(const std::vector<Finding>& findings, const std::string& start) {
    for (const std::string& line : lines(findings)) {
        if (line.rfind(start, 0) == 0) {
            return ::testing::AssertionSuccess();
        }
    }
    std::string all;
    for (const std::string& line : lines(findings)) {
        all += "\n  " + line;
    }
    return ::testing::AssertionFailure() << "no finding starts with \"" << start << "\" in:" << all;
}

TEST(FindingOrder, ErrorsComeFirstThenWarningsThenNotesEachInTheOrderFound) {
    std::vector<Finding> findings;
    for (const auto& [severity, text] : {std::pair{Severity::Note, "n1"},
                                         {Severity::Error, "e1"},
                                         {Severity::Warning, "w1"},
                                         {Severity::Note, "n2"},
                                         {Severity::Error, "e2"},
                                         {Severity::Warning, "w2"}}) {
        Finding& finding = findings.emplace_back();
        finding.severity = severity;
        finding.text = text;
    }
    sortBySeverity(findings);
    std::vector<std::string> texts;
    for (const Finding& finding : findings) {
        texts.push_back(finding.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"e1", "e2", "w1", "w2", "n1", "n2"}));
}

TEST_F(ConfigCheckTest, AFreshSetHasNothingButCapacityNotesUnderEverySystemCode) {
    for (const SystemCode code :
         {SystemCode::OneLoop, SystemCode::TwoLoopSo3, SystemCode::TwoLoopSo12}) {
        store = ConfigStore::create(RunState::begin(code, program.path()));
        folder.files().clear();
        exportSet();
        const std::vector<Finding> findings = check(true);
        EXPECT_EQ(countFindings(findings, Severity::Error), 0) << lines(findings).front();
        EXPECT_EQ(countFindings(findings, Severity::Warning), 0) << lines(findings).front();
        EXPECT_TRUE(found(findings, "note: conditions: 0 / 3000"));
    }
}

TEST_F(ConfigCheckTest, FramingNamesEveryDamagedFile) {
    exportSet();
    folder.files().erase("M001ZONE.BIN");
    file("ID05")[14] = 'X'; // the tag
    file("LDRE").resize(file("LDRE").size() - 8);
    file("NET_").push_back(0);
    file("FSD_").back() ^= 0x01; // after the checksum was taken
    std::fill_n(file("MDM_").begin() + FileHeader::kCrcOffset, 4, 0); // saved from its page
    const std::vector<Finding> findings = check();

    EXPECT_TRUE(found(findings, "error: M001ZONE.BIN: missing"));
    EXPECT_TRUE(found(findings, "error: M001ID05.BIN: the tag is \"XOBDT\", not \"IOBDT\""));
    EXPECT_TRUE(found(findings, "error: M001LDRE.BIN: 40024 bytes: its layout has 40032 (cut"));
    EXPECT_TRUE(found(findings, "error: M001NET_.BIN: 3121 bytes: its layout has 3120"));
    EXPECT_TRUE(found(findings, "error: M001FSD_.BIN: checksum mismatch"));
    EXPECT_TRUE(found(findings, "warning: M001MDM_.BIN: checksum not computed"));
    EXPECT_TRUE(found(check(true), "error: M001MDM_.BIN: checksum not computed"));
    // The panel files mean start-up contents when absent.
    EXPECT_EQ(std::count_if(findings.begin(), findings.end(),
                            [](const Finding& f) { return f.severity == Severity::Error; }),
              5);
}

// Each damage of the pooled linkage chains, on a set of two general rules (records 0 and 1)
// with outputs (records 0, 1 and 2).
TEST_F(ConfigCheckTest, DamagedLinkageChainsAreErrors) {
    struct Case {
        const char* name;
        std::function<void(LinkageInputTable&, LinkageResultTable&)> damage;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"loop", [](auto& in, auto&) { in.setNextLink(1, 0); },
         "error: M001LDCO.BIN, general list: the chain comes back to condition record 0"},
        {"outside", [](auto& in, auto&) { in.setNextLink(1, 3000); },
         "error: M001LDCO.BIN, general list: a link leads to condition record 3000, outside"},
        {"to free", [](auto& in, auto&) { in.setNextLink(1, 7); },
         "error: M001LDCO.BIN, general list: a link leads to condition record 7, which is free"},
        {"two lists", [](auto& in, auto&) { in.setHead(LinkageKind::Zone, 1); },
         "error: M001LDCO.BIN, zone list: condition record 1 is also on another chain"},
        {"leaked", [](auto& in, auto&) { in.setNextLink(0, kChainEnd); },
         "error: M001LDCO.BIN: 1 condition records in use that no list reaches: 1"},
        {"kind byte", [](auto& in, auto&) { in.record(1)[0] = 6; },
         "error: M001LDCO.BIN, general rule 2: condition record 1 has kind byte 6"},
        {"output loop", [](auto&, auto& out) { out.setNextLink(1, 0); },
         "error: M001LDRE.BIN, general rule 1: outputs: the chain comes back to output record 0"},
        {"output leaked", [](auto&, auto& out) { out.setNextLink(0, kChainEnd); },
         "error: M001LDRE.BIN: 1 output records in use that no rule reaches: 1"},
    };
    outputModule(5);
    outputModule(6);
    generalRule({5, 6});
    generalRule({5});
    exportSet();
    const LinkageInputTable input = store->linkageInputs.working;
    const LinkageResultTable result = store->linkageResults.working;
    for (const Case& c : cases) {
        store->linkageInputs.working = input;
        store->linkageResults.working = result;
        c.damage(store->linkageInputs.working, store->linkageResults.working);
        EXPECT_TRUE(found(check(), c.expected)) << c.name;
    }
}

TEST_F(ConfigCheckTest, AStaleRuleCountIsAWarningUnlessForTheController) {
    outputModule(5);
    const int record = generalRule({5});
    exportSet();
    LinkageInputTable& input = store->linkageInputs.working;
    input.record(record)[regOffset(LinkageKind::General)] = 1;
    input.record(record)[delayOffset(LinkageKind::General)] = 10;
    const std::string text = "M001LDCO.BIN: the registered-rule count says 0, the rules make it 1";
    EXPECT_TRUE(found(check(), "warning: " + text));
    EXPECT_TRUE(found(check(true), "error: " + text));
}

TEST_F(ConfigCheckTest, HydrantAndPackedTablesThatLoseRecordsAreErrors) {
    HydrantTable& hydrant = store->hydrant.working;
    ASSERT_TRUE(hydrant::storeInput(hydrant, 0, {true, 1, 1, 3}, {{1, 1, 7}, {1, 1, 8}}));
    // The further output leads back to the first.
    le::writeU16(hydrant.record(HydrantTable::kInputs + 50), HydrantTable::kNext, 0);
    KeypadPoint point;
    point.registration = 1;
    point.button = 3;
    store->keypad.working.setPoint(2, point); // points 1 and 2 are free
    const std::vector<Finding> findings = check();

    EXPECT_TRUE(found(findings, "error: M001XHSB.BIN, hydrant input 1: outputs: the chain comes "
                                "back to output record 0"));
    EXPECT_TRUE(found(findings, "error: M001KPAD.BIN: 1 keypad points in use after the first "
                                "free one, which the controller never reads: 3"));
}

// A reference that names nothing usable is work in progress: a warning with its place.
TEST_F(ConfigCheckTest, DanglingReferencesAreWarningsWithTheirPlace) {
    outputModule(5);
    DeviceRecord& smoke = store->devices(1).working.device(1, 9);
    smoke.registration = 1;
    smoke.zone = 6; // zone 7, not registered
    generalRule({5, 9, 11});
    LinkageInputTable& input = store->linkageInputs.working;
    const int zoneRule = *appendRule(input, store->linkageResults.working, LinkageKind::Zone);
    storedByEditor(input, zoneRule, LinkageKind::Zone);
    input.record(zoneRule)[condition::kZone] = 3;
    KeypadPoint zonePoint;
    zonePoint.registration = 1;
    zonePoint.kind = KeypadPoint::kZoneKind;
    zonePoint.button = 1;
    zonePoint.target = 12;
    store->keypad.working.setPoint(0, zonePoint);
    HandControlPoint hand;
    hand.registration = 1;
    hand.inputBoard = 1;
    hand.inputLoop = 1;
    hand.inputAddress = 20; // no ManualCtrl there
    store->handControl.working.setPoint(0, hand);
    ASSERT_TRUE(hydrant::storeInput(store->hydrant.working, 0, {true, 3, 1, 3}, {{1, 1, 5}}));
    // Controller 5 is not registered; the module at 5 is no broadcast module.
    store->broadcastPoints.working.setSlot(0, {1, 4, 0, 1, 1, 0, 5, 0});
    auto leds = std::make_unique<mimicrecords::Settings>();
    (*leds)[0][0] = MimicLed{1, MimicLed::Zone, 1, 0, MimicLed::kNoLoop, 12};
    ASSERT_TRUE(mimicrecords::store(store->linkageInputs.working, *leds));
    exportSet();
    const std::vector<Finding> findings = check();

    EXPECT_EQ(countFindings(findings, Severity::Error), 0) << lines(findings).front();
    for (const char* expected : {
             "warning: M001LDRE.BIN, general rule 1, output 2: names 01-1-009, a ",
             "warning: M001LDRE.BIN, general rule 1, output 3: names 01-1-011, where no device",
             "warning: M001LDCO.BIN, zone rule 1: starts from zone 4, which is not registered",
             "warning: M001KPAD.BIN, keypad point 1: names zone 12, which is not registered",
             "warning: M001LDMA.BIN, hand control point 1, input: names 01-1-020, a ",
             "warning: M001XHSB.BIN, hydrant input 1: names board 03, which is not registered",
             "warning: M001XHSB.BIN, hydrant input 1, output 1: names 01-1-005, a ",
             "warning: M001ID01.BIN, IO01-L1-009: in zone 7, which is not registered",
             "warning: M001BCPD.BIN, broadcast point 1: names broadcast controller 5, which is",
             "warning: M001BCPD.BIN, broadcast point 1: names 01-1-005, a SmkFan, which cannot",
             "warning: M001LDCO.BIN, mimic module 1, LED 1: shows zone 12, which is not",
         }) {
        EXPECT_TRUE(found(findings, expected));
    }
    const auto device = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.page == FindingPage::Devices;
    });
    ASSERT_NE(device, findings.end());
    EXPECT_EQ(device->board, 1);
    EXPECT_EQ(device->loop, 1);
    EXPECT_EQ(device->address, 9);
}

TEST_F(ConfigCheckTest, ValuesAndTextsTheControllerWouldNotTakeAreErrors) {
    exportSet();
    store->zones.working.zone(2).registration = 7;
    DeviceRecord& device = store->devices(2).working.device(2, 4);
    device.registration = 1;
    device.equipType = 250;
    device.workMode = 3;
    store->zones.working.zone(1).name.assign(u"\u00C4\u00C4\u00C4\u00C4\u00C4\u00C4\u00C4");
    store->devices(2).working.device(1, 3).position.assign(std::u16string(15, u'\u00C4'));
    LinkageInputTable& input = store->linkageInputs.working;
    const int floorRule =
        *appendRule(input, store->linkageResults.working, LinkageKind::FloorByType);
    storedByEditor(input, floorRule, LinkageKind::FloorByType);
    appendOutput(input, store->linkageResults.working, floorRule, LinkageKind::FloorByType, 0, 0,
                 250); // a type code, not an address
    input.record(floorRule)[delayOffset(LinkageKind::FloorByType)] = 7;
    const std::vector<Finding> findings = check();

    EXPECT_TRUE(found(findings, "error: M001ZONE.BIN, zone 2: registration byte 7 (shown as "
                                "\"Error\"), not 0 or 1"));
    EXPECT_TRUE(found(findings, "error: M001ID02.BIN, IO02-L2-004: device type code 250 is in "
                                "neither"));
    EXPECT_TRUE(found(findings, "error: M001ID02.BIN, IO02-L2-004: work mode 3"));
    EXPECT_TRUE(found(findings, "error: M001LDRE.BIN, floor type rule 1, output 1: device type "
                                "code 250 is in neither"));
    EXPECT_TRUE(found(findings, "error: M001ID02.BIN, IO02-L1-003: "));
    EXPECT_TRUE(found(findings, "error: M001LDCO.BIN, floor type rule 1: delay 7 s is none"));
    // The zone name takes 14 bytes of the file's 12: Data export's own words.
    std::vector<Finding> zoneTexts;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(zoneTexts),
                 [](const Finding& f) { return f.file == "M001ZONE.BIN" && f.where.empty(); });
    ASSERT_EQ(zoneTexts.size(), 1u);
    EXPECT_EQ(zoneTexts[0].severity, Severity::Error);
}

TEST_F(ConfigCheckTest, CapacityWarnsAtNinetyPercentAndNotesPointAtIdleParts) {
    KeypadPoint point;
    point.registration = 1;
    point.kind = KeypadPoint::kZoneKind;
    point.target = 1;
    for (int n = 0; n < 45; ++n) {
        point.button = static_cast<std::uint8_t>(n % 32 + 1);
        store->keypad.working.setPoint(n, point);
    }
    store->devices(1).working.device(1, 1).registration = 1; // zone 1 has a device
    store->zones.working.zone(3).registration = 1;
    generalRule({});
    const std::vector<Finding> findings = check();

    EXPECT_TRUE(found(findings, "warning: keypad points: 45 / 50 (nearly full)"));
    EXPECT_TRUE(found(findings, "note: zone 3: registered, but no device is in it"));
    EXPECT_TRUE(found(findings, "note: general rule 1: has no outputs"));
    EXPECT_FALSE(found(findings, "note: zone 1:"));
}

} // namespace
} // namespace qb
