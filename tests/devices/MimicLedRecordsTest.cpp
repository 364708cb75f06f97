#include "MimicLedFixture.h"
#include "linkage/LinkageRules.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::Editor;
using test::MimicLedTest;

// --- the stored records ---------------------------------------------------------------------

TEST_F(MimicLedTest, Led5OfExpansionBoard2OfModule3IsStoredAsLed69) {
    Editor editor(*store, prompter);
    editor.open();
    editor.chooseBoard(2);
    EXPECT_EQ(editor.boards.text(), u"02(EX Board 2)");
    deviceRow(editor, 5);
    ASSERT_TRUE(editor.pressSave());
    EXPECT_TRUE(prompter.messages.empty());

    ASSERT_EQ(input().head(LinkageKind::RoomAndMimic), 0);
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
    EXPECT_EQ(countRules(input(), LinkageKind::RoomAndMimic), 1);
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

    const std::vector<int> chain = ruleChain(input(), LinkageKind::RoomAndMimic);
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
        ASSERT_EQ(countRules(input(), LinkageKind::RoomAndMimic), 2);
    }
    Editor editor(*store, prompter);
    editor.open();
    editor.applyColumnBatch(Editor::Cause, 0); // every row back to "NULL"
    editor.applyColumnBatch(Editor::Reg, 1);   // and unregistered
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(input().head(LinkageKind::RoomAndMimic), kFreeLink);
    EXPECT_EQ(lowestFreeCondition(input()), 0);
    EXPECT_EQ(input().nextLink(1), kFreeLink);
    EXPECT_TRUE(input() == store->linkageInputs.saved); // as fresh as before the first Save
}

TEST_F(MimicLedTest, OtherKindsRecordsAreUntouched) {
    const std::optional<int> general =
        appendRule(input(), store->linkageResults.working, LinkageKind::General);
    ASSERT_EQ(general, 0);
    input().record(0)[0] = 1;
    input().record(0)[1] = 1;
    input().record(0)[30] = 1;
    ASSERT_TRUE(
        appendOutput(input(), store->linkageResults.working, 0, LinkageKind::General, 0, 0, 5));
    const Bytes generalBefore = recordBytes(0);
    const LinkageResultTable resultsBefore = store->linkageResults.working;

    Editor editor(*store, prompter);
    editor.open();
    zoneRow(editor, 1);
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(input().head(LinkageKind::General), 0);
    EXPECT_EQ(recordBytes(0), generalBefore);
    EXPECT_EQ(input().head(LinkageKind::RoomAndMimic), 1); // the lowest free record
    EXPECT_TRUE(store->linkageResults.working == resultsBefore);

    // A second rebuild reuses the freed record and still leaves the rule alone.
    Editor again(*store, prompter);
    again.open();
    ASSERT_TRUE(again.pressSave());
    EXPECT_EQ(recordBytes(0), generalBefore);
    EXPECT_EQ(countRules(input(), LinkageKind::RoomAndMimic), 1);
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
    input().setHead(LinkageKind::RoomAndMimic, 0);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.modules.items, std::vector<std::u16string>{u"03"});
    EXPECT_EQ(editor.led(9, 40).cause, MimicLed::Zone);
    ASSERT_TRUE(editor.pressSave());
    ASSERT_EQ(input().head(LinkageKind::RoomAndMimic), 0);
    EXPECT_EQ(input().record(0)[4], 9);
    EXPECT_EQ(input().record(0)[5], 40);
}

TEST_F(MimicLedTest, TheControllersOwnByteIsCarried) {
    placeRecord(4, 3, 1, kChainEnd);
    input().record(4)[10] = 0x2A;
    input().setHead(LinkageKind::RoomAndMimic, 4);
    Editor editor(*store, prompter);
    editor.open();
    pick(editor, 1, Editor::Indication, u"Feedback");
    ASSERT_TRUE(editor.pressSave());
    ASSERT_EQ(input().head(LinkageKind::RoomAndMimic), 0);
    EXPECT_EQ(input().record(0)[10], 0x2A);
    EXPECT_EQ(input().record(0)[8], 3);
    EXPECT_EQ(input().nextLink(4), kFreeLink);
}

TEST_F(MimicLedTest, CancelLeavesTheTablesAsTheDialogFoundThem) {
    // Unsaved rule edits in the working copy (say, after a write that failed) stay as they are.
    ASSERT_TRUE(appendRule(store->linkageInputs.working, store->linkageResults.working,
                           LinkageKind::General));
    const LinkageInputTable before = store->linkageInputs.working;
    Editor editor(*store, prompter);
    editor.open();
    zoneRow(editor, 1);
    editor.pressCancel();
    EXPECT_EQ(store->linkageInputs.working, before);
    EXPECT_EQ(input().head(LinkageKind::RoomAndMimic), kFreeLink);
}

TEST_F(MimicLedTest, AFullPoolRefusesTheSaveAndChangesNothing) {
    // Every record but one belongs to a kind-3 chain.
    for (int i = 0; i < LinkageInputTable::kRecords - 1; ++i) {
        input().record(i)[0] = 3;
        input().setNextLink(i, static_cast<std::uint16_t>(
                                   i + 1 < LinkageInputTable::kRecords - 1 ? i + 1 : kChainEnd));
    }
    input().setHead(LinkageKind::Building, 0);
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
    EXPECT_EQ(input().head(LinkageKind::RoomAndMimic), LinkageInputTable::kRecords - 1);
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
    w.window.runCommand(commands::kMimicLinkageSetup);
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
    w.window.runCommand(commands::kDataExport);
    w.store->linkageInputs.working = LinkageInputTable::defaults(w.store->headerTemplate());
    w.window.runCommand(commands::kLoadData);
    MimicLed shown;
    w.dialogs.mimicLedEditor = [&shown](MimicLedEditor& e) {
        shown = e.led(3, 69);
        return false;
    };
    w.window.runCommand(commands::kMimicLinkageSetup);
    EXPECT_EQ(shown.cause, MimicLed::Zone);
    EXPECT_EQ(shown.indication, 1);
    EXPECT_EQ(shown.number, 2);
    EXPECT_EQ(shown.reg, 1);
}

} // namespace
} // namespace qb
