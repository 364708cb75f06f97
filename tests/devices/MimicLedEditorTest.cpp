#include "MimicLedFixture.h"
#include "pages/ColumnBatchDialog.h"
#include "pages/MimicColumnBatch.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::Editor;
using test::MimicLedTest;

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
    EXPECT_EQ(input().head(LinkageKind::RoomAndMimic), 0);
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

} // namespace
} // namespace qb
