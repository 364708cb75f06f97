#include "devices/MimicLedEditor.h"
#include "linkage/LinkageRules.h"
#include "pages/ColumnBatchDialog.h"
#include "pages/MimicColumnBatch.h"
#include "store/ConfigStore.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Editor = MimicLedEditor;

constexpr int kMimicLinkageCommand = 32819;

class MimicLedTest : public ::testing::Test {
protected:
    MimicLedTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()))) {
        // A fan module on board 01, loop 1, address 5, which a "Device to LED" row can name.
        DeviceRecord& fan = store->devices(1).working.device(1, 5);
        fan.registration = 1;
        fan.productType = 52;
        fan.equipType = 48;
        store->zones.working.zone(2).registration = 1;
        store->mimic.working.registration(3) = 1;
    }

    LinkageInputTable& input() { return store->linkageInputs.working; }
    Bytes recordBytes(int index) {
        const auto r = input().record(index);
        return {r.begin(), r.end()};
    }
    // Opens the cell's list and commits the entry with this text.
    static void pick(Editor& editor, int row, int column, const std::u16string& text) {
        editor.clickCell(row, column);
        const auto& items = editor.cellEditor().items;
        const auto found = std::ranges::find(items, text);
        ASSERT_NE(found, items.end()) << "no such entry in column " << column;
        editor.commitList(static_cast<int>(found - items.begin()));
        ASSERT_FALSE(editor.cellEditor().open());
    }
    // A complete, registered "Zone to LED" row.
    static void zoneRow(Editor& editor, int row, const std::u16string& zone = u"02") {
        pick(editor, row, Editor::Cause, u"Zone to LED");
        pick(editor, row, Editor::Indication, u"Fire");
        pick(editor, row, Editor::Zone, zone);
        editor.clickCell(row, Editor::Reg);
    }
    static void deviceRow(Editor& editor, int row) {
        pick(editor, row, Editor::Cause, u"Device to LED");
        pick(editor, row, Editor::Indication, u"Start");
        pick(editor, row, Editor::Host, u"001");
        pick(editor, row, Editor::Loop, u"01");
        pick(editor, row, Editor::Addr, u"005SmkFan");
        editor.clickCell(row, Editor::Reg);
    }
    // A kind-5 record placed by hand, as a file could bring it.
    void placeRecord(int index, std::uint8_t module, std::uint8_t led, std::uint16_t next) {
        const auto r = input().record(index);
        std::ranges::fill(r, 0xFF);
        r[0] = 5;
        r[1] = 1;
        r[4] = module;
        r[5] = led;
        r[6] = 1;
        r[8] = 1;
        r[12] = 2;
        le::writeU16(r, 14, 2);
        input().setNextLink(index, next);
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
};

// --- what the dialog shows ------------------------------------------------------------------

TEST_F(MimicLedTest, OpensOnTheFirstRegisteredModuleAndTheMainBoard) {
    store->mimic.working.registration(17) = 1;
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.modules.items, (std::vector<std::u16string>{u"03", u"17"}));
    EXPECT_EQ(editor.modules.selected, 0);
    EXPECT_EQ(editor.module(), 3);
    EXPECT_EQ(editor.boards.items,
              (std::vector<std::u16string>{u"00(Main Board)", u"01(EX Board 1)", u"02(EX Board 2)",
                                           u"03(EX Board 3)"}));
    EXPECT_EQ(editor.boards.selected, 0);
    const PageGrid& grid = editor.grid();
    ASSERT_EQ(grid.rows(), 33);
    ASSERT_EQ(grid.columns(), 9);
    const std::vector<std::u16string> captions{u"LED",           u"Reg",  u"C&E Type",
                                               u"Indicate Type", u"Host", u"Loop",
                                               u"Addr",          u"Zone", u"Input"};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(grid.text(0, c), captions[static_cast<std::size_t>(c)]);
    }
    EXPECT_EQ(grid.text(1, 0), u"1");
    EXPECT_EQ(grid.text(32, 0), u"32");
    EXPECT_EQ(grid.text(32, Editor::Reg), u"\u00D7");
    EXPECT_EQ(grid.text(32, Editor::Cause), u"NULL");
    EXPECT_EQ(grid.text(32, Editor::Indication), u"NULL");
    EXPECT_EQ(grid.text(32, Editor::Host), u"");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MimicLedTest, RowsShowWhatTheirCauseNames) {
    Editor editor(*store, prompter);
    editor.open();
    deviceRow(editor, 1);
    zoneRow(editor, 2);
    pick(editor, 3, Editor::Cause, u"NO Input to LED");
    pick(editor, 3, Editor::Input, u"07(EX Board 1-3)");
    const PageGrid& grid = editor.grid();
    EXPECT_EQ(grid.text(1, Editor::Reg), u"\u221A");
    EXPECT_EQ(grid.text(1, Editor::Cause), u"Device to LED");
    EXPECT_EQ(grid.text(1, Editor::Indication), u"Start");
    EXPECT_EQ(grid.text(1, Editor::Host), u"001");
    EXPECT_EQ(grid.text(1, Editor::Loop), u"01");
    EXPECT_EQ(grid.text(1, Editor::Addr), u"005SmkFan");
    EXPECT_EQ(grid.text(1, Editor::Zone), u"");
    EXPECT_EQ(grid.text(2, Editor::Zone), u"02");
    EXPECT_EQ(grid.text(2, Editor::Host), u"");
    EXPECT_EQ(grid.text(3, Editor::Input), u"07(EX Board 1-3)");
    EXPECT_EQ(editor.led(3, 3).number, 7);
    EXPECT_EQ(editor.led(3, 1).host, 0);
    EXPECT_EQ(editor.led(3, 1).loop, 0);
    EXPECT_EQ(editor.led(3, 1).number, 5);
}

// --- cell lists -----------------------------------------------------------------------------

TEST_F(MimicLedTest, CellListsOfferWhatTheStoreHolds) {
    store->network.working.hostRegistration(7) = 1;
    store->ioBoards.working.registration(3) = 1;
    store->zones.working.zone(9).registration = 1;
    Editor editor(*store, prompter);
    editor.open();
    const auto listOf = [&](int row, int column) {
        editor.clickCell(row, column);
        EXPECT_EQ(editor.cellEditor().row, row);
        EXPECT_EQ(editor.cellEditor().column, column);
        return editor.cellEditor().items;
    };
    EXPECT_EQ(listOf(1, Editor::Cause),
              (std::vector<std::u16string>{u"NULL", u"Device to LED", u"Zone to LED",
                                           u"NC Input to LED", u"NO Input to LED"}));
    editor.commitList(1);
    EXPECT_EQ(listOf(1, Editor::Indication),
              (std::vector<std::u16string>{u"NULL", u"Fire", u"Start", u"Feedback"}));
    editor.closeCellEditor();
    EXPECT_EQ(listOf(1, Editor::Host), (std::vector<std::u16string>{u"001", u"007"}));
    editor.commitList(0);
    // This host: the fitted boards, and of board 01 the registered devices of its first loop.
    EXPECT_EQ(listOf(1, Editor::Loop), (std::vector<std::u16string>{u"01", u"03"}));
    editor.commitList(0);
    EXPECT_EQ(listOf(1, Editor::Addr), (std::vector<std::u16string>{u"005SmkFan"}));
    editor.closeCellEditor();

    // Another host: what any controller may have.
    pick(editor, 1, Editor::Host, u"007");
    EXPECT_EQ(editor.led(3, 1).host, 6);
    const auto loops = listOf(1, Editor::Loop);
    ASSERT_EQ(loops.size(), 16u);
    EXPECT_EQ(loops.front(), u"01");
    EXPECT_EQ(loops.back(), u"16");
    editor.commitList(15);
    EXPECT_EQ(editor.led(3, 1).loop, 15);
    const auto addresses = listOf(1, Editor::Addr);
    ASSERT_EQ(addresses.size(), 324u);
    EXPECT_EQ(addresses.back(), u"324");
    editor.commitList(323);
    EXPECT_EQ(editor.led(3, 1).number, 324);
    EXPECT_EQ(editor.grid().text(1, Editor::Addr), u"324"); // no names from another host

    pick(editor, 2, Editor::Cause, u"Zone to LED");
    EXPECT_EQ(listOf(2, Editor::Zone), (std::vector<std::u16string>{u"01", u"02", u"09"}));
    editor.commitList(2);
    EXPECT_EQ(editor.led(3, 2).number, 9);

    pick(editor, 3, Editor::Cause, u"NC Input to LED");
    const auto inputs = listOf(3, Editor::Input);
    ASSERT_EQ(inputs.size(), 16u);
    EXPECT_EQ(inputs[0], u"01(Main Board-1)");
    EXPECT_EQ(inputs[3], u"04(Main Board-4)");
    EXPECT_EQ(inputs[4], u"05(EX Board 1-1)");
    EXPECT_EQ(inputs[15], u"16(EX Board 3-4)");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MimicLedTest, ListOpensOnTheCellsEntryAndALostFocusWithoutPickKeepsIt) {
    Editor editor(*store, prompter);
    editor.open();
    deviceRow(editor, 4);
    editor.clickCell(4, Editor::Cause);
    EXPECT_EQ(editor.cellEditor().selected, 1);
    editor.commitList(editor.cellEditor().selected);
    // The same cause again keeps the device it names.
    EXPECT_EQ(editor.led(3, 4).host, 0);
    EXPECT_EQ(editor.led(3, 4).number, 5);
    editor.clickCell(4, Editor::Addr);
    EXPECT_EQ(editor.cellEditor().selected, 0);
    editor.commitList(-1);
    EXPECT_EQ(editor.led(3, 4).number, 5);
}

TEST_F(MimicLedTest, AnotherCauseClearsHostLoopAndNumberButNotTheIndication) {
    Editor editor(*store, prompter);
    editor.open();
    deviceRow(editor, 1);
    pick(editor, 1, Editor::Cause, u"Zone to LED");
    const MimicLed& led = editor.led(3, 1);
    EXPECT_EQ(led.cause, MimicLed::Zone);
    EXPECT_FALSE(led.hasHost());
    EXPECT_FALSE(led.hasLoop());
    EXPECT_FALSE(led.hasNumber());
    EXPECT_EQ(led.indication, 2);
    EXPECT_EQ(led.reg, 1);
    EXPECT_EQ(editor.grid().text(1, Editor::Host), u"");
    EXPECT_EQ(editor.grid().text(1, Editor::Addr), u"");
}

TEST_F(MimicLedTest, ColumnsThatDoNotApplyAreInvalid) {
    Editor editor(*store, prompter);
    editor.open();
    const auto refused = [&](int row, int column) {
        prompter.messages.clear();
        editor.clickCell(row, column);
        EXPECT_FALSE(editor.cellEditor().open()) << "column " << column;
        return prompter.messages ==
               std::vector<test::FakePrompter::Message>{{Editor::kInvalid, kProgramName}};
    };
    for (int column : {Editor::Indication, Editor::Host, Editor::Loop, Editor::Addr, Editor::Zone,
                       Editor::Input}) {
        EXPECT_TRUE(refused(1, column)) << "NULL cause, column " << column;
    }
    pick(editor, 1, Editor::Cause, u"Device to LED");
    EXPECT_TRUE(refused(1, Editor::Loop)); // no host yet
    pick(editor, 1, Editor::Host, u"001");
    EXPECT_TRUE(refused(1, Editor::Addr)); // no loop yet
    EXPECT_TRUE(refused(1, Editor::Zone));
    EXPECT_TRUE(refused(1, Editor::Input));
    pick(editor, 2, Editor::Cause, u"NC Input to LED");
    EXPECT_TRUE(refused(2, Editor::Indication));
    EXPECT_TRUE(refused(2, Editor::Zone));
    pick(editor, 3, Editor::Cause, u"Zone to LED");
    EXPECT_TRUE(refused(3, Editor::Host));
    EXPECT_TRUE(refused(3, Editor::Input));
}

// --- the grid check -------------------------------------------------------------------------

TEST_F(MimicLedTest, RegisteredZoneRowWithoutZoneIsRefused) {
    Editor editor(*store, prompter);
    editor.open();
    pick(editor, 1, Editor::Cause, u"Zone to LED");
    pick(editor, 1, Editor::Indication, u"Fire");
    editor.clickCell(1, Editor::Reg);
    const LinkageInputTable before = input();
    EXPECT_FALSE(editor.pressSave());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{Editor::kCheckData});
    EXPECT_EQ(prompter.messages[0].caption, kProgramName);
    EXPECT_TRUE(input() == before);

    // Unregistered, the same row needs nothing.
    editor.clickCell(1, Editor::Reg);
    EXPECT_TRUE(editor.pressSave());
    EXPECT_EQ(input().head(5), 0);
}

TEST_F(MimicLedTest, GridCheckAsksEachCauseForItsParts) {
    Editor editor(*store, prompter);
    editor.open();
    editor.clickCell(1, Editor::Reg);
    EXPECT_FALSE(editor.gridConsistent()); // registered with cause "NULL"
    deviceRow(editor, 2);
    editor.clickCell(1, Editor::Reg);
    EXPECT_TRUE(editor.gridConsistent());
    pick(editor, 2, Editor::Indication, u"NULL");
    EXPECT_FALSE(editor.gridConsistent());
    pick(editor, 2, Editor::Indication, u"Feedback");
    EXPECT_TRUE(editor.gridConsistent());

    pick(editor, 3, Editor::Cause, u"NO Input to LED");
    editor.clickCell(3, Editor::Reg);
    EXPECT_FALSE(editor.gridConsistent()); // no input; an indication is not asked for
    pick(editor, 3, Editor::Input, u"01(Main Board-1)");
    EXPECT_TRUE(editor.gridConsistent());
}

TEST_F(MimicLedTest, ListsGettingTheFocusCheckTheShownBoard) {
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_TRUE(editor.focusOnLists());
    EXPECT_TRUE(prompter.messages.empty());
    editor.clickCell(5, Editor::Reg);
    EXPECT_FALSE(editor.focusOnLists());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{Editor::kCheckData});
    // Choosing still goes where the installer asked; the other board is consistent.
    editor.chooseBoard(1);
    EXPECT_EQ(editor.board(), 1);
    EXPECT_EQ(editor.grid().text(5, Editor::Reg), u"\u00D7");
    EXPECT_TRUE(editor.focusOnLists());
}

// --- the stored records ---------------------------------------------------------------------

TEST_F(MimicLedTest, Led5OfExpansionBoard2OfModule3IsStoredAsLed69) {
    Editor editor(*store, prompter);
    editor.open();
    editor.chooseBoard(2);
    EXPECT_EQ(editor.boards.text(), u"02(EX Board 2)");
    deviceRow(editor, 5);
    ASSERT_TRUE(editor.pressSave());
    EXPECT_TRUE(prompter.messages.empty());

    ASSERT_EQ(input().head(5), 0);
    Bytes expected(LinkageInputTable::kRecordSize, 0xFF);
    expected[0] = 5;
    expected[1] = 1;
    expected[4] = 3;  // module
    expected[5] = 69; // 2 * 32 + 5
    expected[6] = 1;  // registered
    expected[8] = 2;  // "Start"
    expected[9] = 0;  // host 001
    expected[11] = 0; // board 01
    expected[12] = 1; // "Device to LED"
    expected[14] = 5; // address 5
    expected[15] = 0;
    expected[20] = 0;
    expected[56] = 0xFE; // the only record: end of the chain
    expected[57] = 0xFF;
    EXPECT_EQ(recordBytes(0), expected);
    EXPECT_EQ(countRules(input(), 5), 1);
}

TEST_F(MimicLedTest, RecordsFollowModuleThenLedOrder) {
    store->mimic.working.registration(1) = 1;
    Editor editor(*store, prompter);
    editor.open();
    editor.chooseModule(1); // "03"
    ASSERT_EQ(editor.module(), 3);
    zoneRow(editor, 2);
    editor.chooseBoard(3);
    zoneRow(editor, 1);
    editor.chooseModule(0); // "01"
    editor.chooseBoard(0);
    zoneRow(editor, 32);
    ASSERT_TRUE(editor.pressSave());

    const std::vector<int> chain = ruleChain(input(), 5);
    ASSERT_EQ(chain.size(), 3u);
    std::vector<std::pair<int, int>> order;
    for (int index : chain) {
        order.emplace_back(input().record(index)[4], input().record(index)[5]);
    }
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 32}, {3, 2}, {3, 97}}));
}

TEST_F(MimicLedTest, SavingWithoutAssignedLedsLeavesKindFiveEmpty) {
    {
        Editor editor(*store, prompter);
        editor.open();
        zoneRow(editor, 1);
        zoneRow(editor, 2);
        ASSERT_TRUE(editor.pressSave());
        ASSERT_EQ(countRules(input(), 5), 2);
    }
    Editor editor(*store, prompter);
    editor.open();
    editor.applyColumnBatch(Editor::Cause, 0); // every row back to "NULL"
    editor.applyColumnBatch(Editor::Reg, 1);   // and unregistered
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(input().head(5), kFreeLink);
    EXPECT_EQ(lowestFreeCondition(input()), 0);
    EXPECT_EQ(input().nextLink(1), kFreeLink);
    EXPECT_TRUE(input() == store->linkageInputs.saved); // as fresh as before the first Save
}

TEST_F(MimicLedTest, OtherKindsRecordsAreUntouched) {
    const std::optional<int> general = appendRule(input(), store->linkageResults.working, 1);
    ASSERT_EQ(general, 0);
    input().record(0)[0] = 1;
    input().record(0)[1] = 1;
    input().record(0)[30] = 1;
    ASSERT_TRUE(appendOutput(input(), store->linkageResults.working, 0, 1, 0, 0, 5));
    const Bytes generalBefore = recordBytes(0);
    const LinkageResultTable resultsBefore = store->linkageResults.working;

    Editor editor(*store, prompter);
    editor.open();
    zoneRow(editor, 1);
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(input().head(1), 0);
    EXPECT_EQ(recordBytes(0), generalBefore);
    EXPECT_EQ(input().head(5), 1); // the lowest free record
    EXPECT_TRUE(store->linkageResults.working == resultsBefore);

    // A second rebuild reuses the freed record and still leaves the rule alone.
    Editor again(*store, prompter);
    again.open();
    ASSERT_TRUE(again.pressSave());
    EXPECT_EQ(recordBytes(0), generalBefore);
    EXPECT_EQ(countRules(input(), 5), 1);
}

TEST_F(MimicLedTest, WrittenRecordsOpenAsTheSameLeds) {
    store->mimic.working.registration(32) = 1;
    {
        Editor editor(*store, prompter);
        editor.open();
        deviceRow(editor, 1);
        zoneRow(editor, 31);
        editor.chooseModule(1); // "32"
        editor.chooseBoard(3);
        pick(editor, 32, Editor::Cause, u"NC Input to LED");
        pick(editor, 32, Editor::Input, u"16(EX Board 3-4)");
        ASSERT_TRUE(editor.pressSave());
    }
    Editor first(*store, prompter);
    first.open();
    Editor second(*store, prompter);
    second.open();
    for (int module : {3, 32}) {
        for (int led = 1; led <= 128; ++led) {
            EXPECT_EQ(second.led(module, led), first.led(module, led));
        }
    }
    EXPECT_EQ(second.grid().text(1, Editor::Addr), u"005SmkFan");
    EXPECT_EQ(second.grid().text(31, Editor::Zone), u"02");
    EXPECT_EQ(second.grid().text(31, Editor::Reg), u"\u221A");
    second.chooseModule(1);
    second.chooseBoard(3);
    EXPECT_EQ(second.grid().text(32, Editor::Cause), u"NC Input to LED");
    EXPECT_EQ(second.grid().text(32, Editor::Input), u"16(EX Board 3-4)");
    EXPECT_EQ(second.grid().text(32, Editor::Reg), u"\u00D7");
    EXPECT_EQ(second.led(32, 128).number, 16);
}

TEST_F(MimicLedTest, UnregisteredModulesKeepTheirLeds) {
    placeRecord(0, 9, 40, kChainEnd); // module 9 is not registered
    input().setHead(5, 0);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.modules.items, std::vector<std::u16string>{u"03"});
    EXPECT_EQ(editor.led(9, 40).cause, MimicLed::Zone);
    ASSERT_TRUE(editor.pressSave());
    ASSERT_EQ(input().head(5), 0);
    EXPECT_EQ(input().record(0)[4], 9);
    EXPECT_EQ(input().record(0)[5], 40);
}

TEST_F(MimicLedTest, TheControllersOwnByteIsCarried) {
    placeRecord(4, 3, 1, kChainEnd);
    input().record(4)[10] = 0x2A;
    input().setHead(5, 4);
    Editor editor(*store, prompter);
    editor.open();
    pick(editor, 1, Editor::Indication, u"Feedback");
    ASSERT_TRUE(editor.pressSave());
    ASSERT_EQ(input().head(5), 0);
    EXPECT_EQ(input().record(0)[10], 0x2A);
    EXPECT_EQ(input().record(0)[8], 3);
    EXPECT_EQ(input().nextLink(4), kFreeLink);
}

TEST_F(MimicLedTest, CancelLeavesTheTablesAsTheDialogFoundThem) {
    // Unsaved rule edits in the working copy (say, after a write that failed) stay as they are.
    ASSERT_TRUE(appendRule(store->linkageInputs.working, store->linkageResults.working, 1));
    const LinkageInputTable before = store->linkageInputs.working;
    Editor editor(*store, prompter);
    editor.open();
    zoneRow(editor, 1);
    editor.pressCancel();
    EXPECT_EQ(store->linkageInputs.working, before);
    EXPECT_EQ(input().head(5), kFreeLink);
}

TEST_F(MimicLedTest, AFullPoolRefusesTheSaveAndChangesNothing) {
    // Every record but one belongs to a kind-3 chain.
    for (int i = 0; i < LinkageInputTable::kRecords - 1; ++i) {
        input().record(i)[0] = 3;
        input().setNextLink(i, static_cast<std::uint16_t>(
                                   i + 1 < LinkageInputTable::kRecords - 1 ? i + 1 : kChainEnd));
    }
    input().setHead(3, 0);
    const LinkageInputTable before = input();
    Editor editor(*store, prompter);
    editor.open();
    zoneRow(editor, 1);
    zoneRow(editor, 2);
    EXPECT_FALSE(editor.pressSave());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "The linkage table has no room for more mimic LED records!"});
    EXPECT_TRUE(input() == before);

    zoneRow(editor, 2); // unregistered again
    pick(editor, 2, Editor::Cause, u"NULL");
    EXPECT_TRUE(editor.pressSave());
    EXPECT_EQ(input().head(5), LinkageInputTable::kRecords - 1);
}

// --- the column batch -----------------------------------------------------------------------

TEST_F(MimicLedTest, BatchOffersTheColumnsOwnListForTheFirstFourColumns) {
    store->network.working.hostRegistration(4) = 1;
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.beginColumnBatch(Editor::Reg)->items,
              (std::vector<std::u16string>{u"\u221A", u"\u00D7"}));
    EXPECT_EQ(editor.beginColumnBatch(Editor::Cause)->items.size(), 5u);
    EXPECT_EQ(editor.beginColumnBatch(Editor::Indication)->items.at(3), u"Feedback");
    EXPECT_EQ(editor.beginColumnBatch(Editor::Host)->items,
              (std::vector<std::u16string>{u"001", u"004"}));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(editor.beginColumnBatch(Editor::Led));
    EXPECT_TRUE(prompter.messages.empty());
    for (int column : {Editor::Loop, Editor::Addr, Editor::Zone, Editor::Input}) {
        prompter.messages.clear();
        EXPECT_FALSE(editor.beginColumnBatch(column));
        EXPECT_EQ(prompter.messages,
                  (std::vector<test::FakePrompter::Message>{{Editor::kNoBatch, kProgramName}}));
    }
}

TEST_F(MimicLedTest, BatchSetsTheColumnForTheShownBoardOnly) {
    Editor editor(*store, prompter);
    editor.open();
    editor.chooseBoard(1);
    editor.applyColumnBatch(Editor::Cause, 2); // "Zone to LED"
    editor.applyColumnBatch(Editor::Indication, 1);
    editor.applyColumnBatch(Editor::Reg, 0);
    for (int row = 1; row <= 32; ++row) {
        EXPECT_EQ(editor.grid().text(row, Editor::Cause), u"Zone to LED");
        EXPECT_EQ(editor.grid().text(row, Editor::Indication), u"Fire");
        EXPECT_EQ(editor.grid().text(row, Editor::Reg), u"\u221A");
        EXPECT_EQ(editor.led(3, 32 + row).cause, MimicLed::Zone);
    }
    EXPECT_EQ(editor.led(3, 32).cause, MimicLed::Null); // main board
    EXPECT_EQ(editor.led(3, 65).cause, MimicLed::Null); // board 2
    EXPECT_FALSE(editor.gridConsistent());              // no zones yet
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MimicLedTest, BatchReachesOnlyRowsWhoseCauseTakesTheColumn) {
    store->network.working.hostRegistration(4) = 1;
    Editor editor(*store, prompter);
    editor.open();
    deviceRow(editor, 1);
    zoneRow(editor, 2);
    pick(editor, 3, Editor::Cause, u"NC Input to LED");
    editor.applyColumnBatch(Editor::Host, 1); // "004"
    EXPECT_EQ(editor.led(3, 1).host, 3);
    EXPECT_EQ(editor.led(3, 1).number, 5);
    EXPECT_FALSE(editor.led(3, 2).hasHost());
    EXPECT_FALSE(editor.led(3, 3).hasHost());
    editor.applyColumnBatch(Editor::Indication, 3);
    EXPECT_EQ(editor.led(3, 1).indication, 3);
    EXPECT_EQ(editor.led(3, 2).indication, 3);
    EXPECT_EQ(editor.led(3, 3).indication, 0);
    EXPECT_EQ(editor.led(3, 4).indication, 0);
    // A new cause clears what the old one chose; an entry outside the list changes nothing.
    editor.applyColumnBatch(Editor::Cause, 9);
    EXPECT_EQ(editor.led(3, 1).host, 3);
    editor.applyColumnBatch(Editor::Cause, 2);
    EXPECT_FALSE(editor.led(3, 1).hasHost());
    EXPECT_EQ(editor.led(3, 2).number, 2); // already "Zone to LED": kept
}

TEST_F(MimicLedTest, BatchGoesToTheRowRangeChosenInTheColumnBatchDialog) {
    Editor editor(*store, prompter);
    editor.open();
    editor.chooseBoard(1);
    int shown = 0;
    mimicbatch::run(editor, Editor::Cause, [&](ColumnBatchDialog& dialog) {
        ++shown;
        EXPECT_EQ(dialog.caption, u"Column Batch Setting");
        EXPECT_EQ(dialog.items()[static_cast<std::size_t>(dialog.selected())], u"NULL");
        dialog.range.startText = u"33";
        dialog.leaveStart();
        EXPECT_EQ(dialog.range.startText, u"");
        dialog.range.startText = u"5";
        dialog.range.endText = u"40";
        EXPECT_FALSE(dialog.pressOk());
        dialog.range.endText = u"9";
        dialog.choose(2); // "Zone to LED"
        return dialog.pressOk();
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Address value within 1-32 is required!",
                                        "Address value cannot be greater than 32!"}));
    for (int row = 1; row <= 32; ++row) {
        EXPECT_EQ(editor.grid().text(row, Editor::Cause),
                  row >= 5 && row <= 9 ? u"Zone to LED" : u"NULL")
            << row;
    }
    EXPECT_EQ(editor.led(3, 5).cause, MimicLed::Null); // main board

    // A column that takes no batch opens no dialog.
    prompter.messages.clear();
    mimicbatch::run(editor, Editor::Zone, [&](ColumnBatchDialog&) { return ++shown > 0; });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{Editor::kNoBatch});
}

// --- damaged input --------------------------------------------------------------------------

TEST_F(MimicLedTest, RecordsOutsideThePanelArePassedOverAndDropped) {
    placeRecord(0, 0, 1, 1);   // module 0
    placeRecord(1, 33, 1, 2);  // module 33
    placeRecord(2, 3, 0, 3);   // LED 0
    placeRecord(3, 3, 129, 4); // LED 129
    placeRecord(4, 0xFF, 0xFF, 5);
    placeRecord(5, 3, 7, 6);         // the one good record
    placeRecord(6, 3, 7, kChainEnd); // the same LED again
    input().record(6)[8] = 3;
    input().setHead(5, 0);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.led(3, 7).indication, 1); // the first record for the LED counts
    EXPECT_EQ(editor.grid().text(7, Editor::Zone), u"02");
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(countRules(input(), 5), 1);
    EXPECT_EQ(input().record(0)[5], 7);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(input().nextLink(i), kFreeLink) << i;
    }
}

TEST_F(MimicLedTest, LoadedValuesWithoutAListEntryAreKeptShownAndRefused) {
    const struct {
        std::size_t offset;
        std::uint8_t value;
        std::uint8_t reg;
        int column;
        const char16_t* shown;
    } cases[] = {
        {6, 7, 7, Editor::Reg, u"Error"},        // neither registered nor not
        {12, 9, 1, Editor::Cause, u"9"},         // no such cause
        {8, 200, 1, Editor::Indication, u"200"}, // no such indication
        {9, 254, 1, Editor::Host, u"255"},       // no such host
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        input() = LinkageInputTable::defaults(store->headerTemplate());
        placeRecord(0, 3, 1, kChainEnd); // a complete "Zone to LED" row ...
        const auto r = input().record(0);
        r[20] = 0;
        if (c.column == Editor::Host) { // ... or "Device to LED"
            r[12] = 1;
            r[9] = 0;
            r[11] = 0;
            le::writeU16(r, 14, 5);
        }
        r[6] = c.reg;
        r[c.offset] = c.value;
        input().setHead(5, 0);
        const Bytes loaded = recordBytes(0);

        Editor editor(*store, prompter);
        editor.open();
        EXPECT_EQ(editor.grid().text(1, c.column), c.shown);
        if (c.column != Editor::Reg) {
            // A list opened and left without a pick stores nothing.
            editor.clickCell(1, c.column);
            EXPECT_EQ(editor.cellEditor().selected, -1);
            editor.commitList(editor.cellEditor().selected);
            EXPECT_EQ(editor.grid().text(1, c.column), c.shown);
        }
        prompter.messages.clear();
        EXPECT_FALSE(editor.pressSave());
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{Editor::kCheckData});
        EXPECT_EQ(recordBytes(0), loaded);

        // Off the shown board, the LED is written back as it was loaded.
        editor.chooseBoard(1);
        ASSERT_TRUE(editor.pressSave());
        EXPECT_EQ(recordBytes(0), loaded);

        // A row showing "×" needs nothing: it is written back as it was loaded.
        if (c.reg == 1) {
            input().record(0)[6] = 0;
            const Bytes unregistered = recordBytes(0);
            Editor again(*store, prompter);
            again.open();
            ASSERT_TRUE(again.pressSave());
            EXPECT_EQ(recordBytes(0), unregistered);
        }
    }
}

TEST_F(MimicLedTest, CyclicChainOpensAndSavesWithoutHanging) {
    placeRecord(10, 3, 1, 11);
    placeRecord(11, 3, 2, 10); // back to the first
    input().setHead(5, 10);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.led(3, 1).cause, MimicLed::Zone);
    EXPECT_EQ(editor.led(3, 2).cause, MimicLed::Zone);
    ASSERT_TRUE(editor.pressSave());
    const std::vector<int> chain = ruleChain(input(), 5);
    EXPECT_EQ(chain, (std::vector<int>{0, 1}));
    EXPECT_EQ(input().nextLink(1), kChainEnd);
    EXPECT_EQ(input().nextLink(10), kFreeLink);
    EXPECT_EQ(input().nextLink(11), kFreeLink);
}

TEST_F(MimicLedTest, ChainRunningIntoAnotherKindLeavesThatKindAlone) {
    const std::optional<int> general = appendRule(input(), store->linkageResults.working, 1);
    ASSERT_EQ(general, 0);
    input().record(0)[0] = 1;
    const Bytes generalBefore = recordBytes(0);
    placeRecord(1, 3, 1, 0); // damaged: links on into the general rule
    input().setHead(5, 1);
    Editor editor(*store, prompter);
    editor.open();
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(recordBytes(0), generalBefore);
    EXPECT_EQ(input().head(1), 0);
    EXPECT_EQ(ruleChain(input(), 5), std::vector<int>{1});
}

TEST_F(MimicLedTest, RoomRulesStayFirstInKindFiveWithTheirOutputsThroughEverySave) {
    // Kind list 5 as a file brings it: a room rule, an LED record, another room rule.
    placeRecord(0, 9, 9, 1);
    input().record(0)[1] = 0xFF; // written by a room linkage, not by us
    placeRecord(1, 3, 2, 2);
    placeRecord(2, 9, 9, kChainEnd);
    input().record(2)[1] = 0xFF;
    input().setHead(5, 0);
    LinkageResultTable& results = store->linkageResults.working;
    ASSERT_TRUE(appendOutput(input(), results, 0, 5, 0, 0, 7));
    ASSERT_TRUE(appendOutput(input(), results, 2, 5, 0, 0, 8));
    ASSERT_TRUE(appendOutput(input(), results, 2, 5, 0, 0, 9));
    const auto body = [&](int index) { // all but the next link
        Bytes b = recordBytes(index);
        b.resize(56);
        return b;
    };
    const Bytes roomA = body(0);
    const Bytes roomB = body(2);
    const LinkageResultTable resultsBefore = results;

    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.grid().text(2, Editor::Zone), u"02");
    zoneRow(editor, 5);
    ASSERT_TRUE(editor.pressSave());
    // The room rules keep their place, bytes and outputs; the LEDs follow in the lowest free
    // records.
    EXPECT_EQ(ruleChain(input(), 5), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(body(0), roomA);
    EXPECT_EQ(body(2), roomB);
    EXPECT_EQ(input().record(1)[5], 2);
    EXPECT_EQ(input().record(3)[5], 5);
    EXPECT_TRUE(results == resultsBefore);

    // Saving again takes nothing more from either pool.
    const LinkageInputTable afterFirst = input();
    Editor again(*store, prompter);
    again.open();
    ASSERT_TRUE(again.pressSave());
    EXPECT_TRUE(input() == afterFirst);
    EXPECT_TRUE(results == resultsBefore);
}

TEST_F(MimicLedTest, RoomRulesInKindFiveAreNotShownAsLeds) {
    placeRecord(0, 3, 1, kChainEnd);
    input().record(0)[1] = 0xFF; // written by a room linkage, not by us
    input().setHead(5, 0);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.led(3, 1).cause, MimicLed::Null);
}

// --- through the main window ----------------------------------------------------------------

TEST(MimicLedWindow, SaveWritesTheLinkageFiles) {
    test::WindowFixture w;
    w.store->mimic.working.registration(3) = 1;
    w.store->zones.working.zone(2).registration = 1;
    w.dialogs.mimicLedEditor = [](MimicLedEditor& e) {
        e.chooseBoard(2);
        e.clickCell(5, MimicLedEditor::Cause);
        e.commitList(2); // "Zone to LED"
        e.clickCell(5, MimicLedEditor::Indication);
        e.commitList(1); // "Fire"
        e.clickCell(5, MimicLedEditor::Zone);
        e.commitList(1); // "02"
        e.clickCell(5, MimicLedEditor::Reg);
        return e.pressSave();
    };
    w.window.runCommand(kMimicLinkageCommand);
    EXPECT_EQ(w.dialogs.mimicLedRuns, 1);
    const Bytes conditions = test::readAll(w.dataFile("M001LDCO.BIN"));
    ASSERT_EQ(conditions.size(), LinkageInputTable::kSize);
    EXPECT_EQ(test::readAll(w.dataFile("M001LDRE.BIN")).size(), LinkageResultTable::kSize);
    EXPECT_EQ(conditions[40], 0); // kind list 5 head
    EXPECT_EQ(conditions[41], 0);
    const std::size_t r = LinkageInputTable::kRecordsOffset;
    EXPECT_EQ(conditions[r + 0], 5);
    EXPECT_EQ(conditions[r + 4], 3);
    EXPECT_EQ(conditions[r + 5], 69);
    EXPECT_EQ(conditions[r + 6], 1);
    EXPECT_EQ(conditions[r + 8], 1);
    EXPECT_EQ(conditions[r + 12], 2);
    EXPECT_EQ(conditions[r + 14], 2);
    EXPECT_EQ(conditions[r + 15], 0);
    EXPECT_FALSE(w.store->linkageInputs.modified());

    // Exported, emptied, loaded back: the dialog shows the same LED again.
    w.window.runCommand(32785); // "Data export"
    w.store->linkageInputs.working = LinkageInputTable::defaults(w.store->headerTemplate());
    w.window.runCommand(32784); // "Load Data"
    MimicLed shown;
    w.dialogs.mimicLedEditor = [&shown](MimicLedEditor& e) {
        shown = e.led(3, 69);
        return false;
    };
    w.window.runCommand(kMimicLinkageCommand);
    EXPECT_EQ(shown.cause, MimicLed::Zone);
    EXPECT_EQ(shown.indication, 1);
    EXPECT_EQ(shown.number, 2);
    EXPECT_EQ(shown.reg, 1);
}

} // namespace
} // namespace qb
