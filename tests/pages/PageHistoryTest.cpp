#include "pages/PageHistory.h"
#include "files/LoadData.h"
#include "pages/ColumnBatchDialog.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace qb {
namespace {

using test::WindowFixture;

class PageHistoryTest : public ::testing::Test {
protected:
    // Runs `action`, then checks that Undo brings back `table` exactly as it was and Redo exactly
    // as the action left it, under the menu text `name`.
    template <class Table>
    void expectUndoRedo(const Table& table, const std::function<void()>& action,
                        const std::u16string& name) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        const Table before = table;
        action();
        const Table after = table;
        ASSERT_FALSE(before == after) << "the action changed nothing";
        EXPECT_EQ(w.window.undoText(), u"Undo " + name);
        w.window.undo();
        EXPECT_TRUE(table == before);
        EXPECT_EQ(w.window.redoText(), u"Redo " + name);
        w.window.redo();
        EXPECT_TRUE(table == after);
        EXPECT_FALSE(w.window.canRedo());
    }
    void batch(int column, int choice, const std::u16string& start, const std::u16string& end) {
        w.dialogs.columnBatch = [=](ColumnBatchDialog& dialog) {
            dialog.choose(choice);
            dialog.range.startText = start;
            dialog.range.endText = end;
            return dialog.pressOk();
        };
        w.window.doubleClickCell(0, column);
    }
    BoardDevices& board(int b) { return w.store->devices(b).working; }

    WindowFixture w;
};

TEST_F(PageHistoryTest, EveryKindOfStepOnTheSmallPagesUndoesAndRedoesExactly) {
    const ZoneTable& zones = w.store->zones.working;
    expectUndoRedo(
        zones, [&] { w.type(3, 2, u"Lobby"); }, u"Edit Zone-3 Position");
    EXPECT_EQ(w.cell(3, 2), u"Lobby"); // redone, and drawn
    expectUndoRedo(
        zones, [&] { w.window.doubleClickCell(5, 1); }, u"Register Zone-5");
    expectUndoRedo(
        zones, [&] { w.window.doubleClickCell(0, 1); }, u"Unregister rows 1-32");
    expectUndoRedo(
        zones, [&] { w.window.clickResound(); }, u"Resound On");
    EXPECT_TRUE(w.window.state().resound.checked);

    w.window.runCommand(commands::kDisplaySetup);
    expectUndoRedo(
        w.store->displays.working, [&] { w.pick(1, 2, u"ALL-Disp"); }, u"Edit Display-1 Type");
    w.window.runCommand(commands::kNetSetup);
    const NetworkTable& net = w.store->network.working;
    expectUndoRedo(
        net, [&] { w.window.doubleClickCell(7, 2); }, u"Set CRT Host-7");
    expectUndoRedo(
        net, [&] { w.window.clickShare(); }, u"Share On");
    expectUndoRedo(
        net, [&] { w.window.chooseFirstSelector(2); }, u"Choose Host-3");
    w.window.runCommand(commands::kMimicSetup);
    expectUndoRedo(
        w.store->mimic.working, [&] { w.window.clickMdmMode(); }, u"MDM Mode Off");
    w.window.runCommand(commands::kIoBoardSetup);
    expectUndoRedo(
        w.store->ioBoards.working, [&] { w.window.doubleClickCell(2, 1); }, u"Register IOB-2");
    w.window.runCommand(commands::kGasZoneRegistration);
    expectUndoRedo(
        w.store->gasZones.working, [&] { w.window.doubleClickCell(4, 1); }, u"Register Gas zone-4");
}

TEST_F(PageHistoryTest, DeviceStepsUndoExactlyAndShowTheirBoard) {
    w.store->ioBoards.working.registration(4) = 1;
    w.window.runCommand(commands::kDeviceSetup);
    w.window.chooseFirstSelector(1); // board 4
    const BoardDevices& four = board(4);
    expectUndoRedo(
        four, [&] { batch(4, 5, u"1", u"324"); }, u"Column Batch: Zone, rows 1-324");
    EXPECT_EQ(w.cell(324, 4), u"6");
    w.dialogs.positionDescription = [](PositionDescriptionDialog& dialog) {
        dialog.range.startText = u"1";
        dialog.range.endText = u"20";
        dialog.description = u"Stairs";
        return dialog.pressOk();
    };
    expectUndoRedo(
        four, [&] { w.window.doubleClickCell(0, 7); }, u"Position Description: rows 1-20");
    expectUndoRedo(
        four, [&] { w.pick(9, 6, u"Slow"); }, u"Edit Addr-9 Work");
    expectUndoRedo(
        four, [&] { w.window.doubleClickCell(9, 1); }, u"Register Addr-9");

    // Undoing a step of board 4 while board 1 is on view brings board 4 back into view.
    w.window.chooseFirstSelector(0);
    const BoardDevices registered = four;
    w.window.undo();
    EXPECT_EQ(w.window.state().firstSelector.current, 1);
    EXPECT_EQ(w.cell(9, 1), u"×");
    EXPECT_EQ(four.device(1, 9).registration, 0);
    w.window.redo();
    EXPECT_TRUE(four == registered);
}

TEST_F(PageHistoryTest, SaveKeepsTheHistoryAndUndoMakesThePageUnsavedAgain) {
    w.type(2, 2, u"Hall");
    w.window.pressSave();
    ASSERT_TRUE(w.window.unsavedPages().empty());
    w.window.undo();
    EXPECT_EQ(w.window.unsavedPages(), (std::vector<std::u16string_view>{u"Zone"}));
    EXPECT_EQ(w.cell(2, 2), u"");
    w.window.redo();
    EXPECT_TRUE(w.window.unsavedPages().empty());
}

TEST_F(PageHistoryTest, ActionsThatChangeNothingAddNoStep) {
    w.window.runCommand(commands::kDeviceSetup);
    batch(4, 0, u"1", u"324"); // every address is in zone 1 already
    w.window.chooseFirstSelector(0);
    EXPECT_FALSE(w.window.canUndo());
    EXPECT_EQ(w.window.undoText(), u"Undo");
    w.window.undo(); // nothing to undo: harmless
    EXPECT_FALSE(w.window.canRedo());
}

TEST_F(PageHistoryTest, CancelLoadDataAndChangesFromElsewhereEndTheHistory) {
    w.type(2, 2, u"Hall");
    w.window.pressCancel();
    EXPECT_FALSE(w.window.canUndo());
    EXPECT_FALSE(w.window.canRedo());

    w.type(2, 2, u"Hall");
    w.window.pressSave();
    w.window.pressCancel(); // the working copy is what was saved, yet the history ends
    EXPECT_FALSE(w.window.canUndo());

    w.type(3, 2, u"Gate");
    w.window.runCommand(commands::kLoadData);
    EXPECT_FALSE(w.window.canUndo());

    // An import writing over an edited record: the step's old bytes no longer lead back.
    w.window.runCommand(commands::kDeviceSetup);
    w.pick(5, 6, u"Slow");
    board(1).device(1, 5).workMode = DeviceRecord::kWorkNormal;
    EXPECT_FALSE(w.window.canUndo());
    w.window.undo();
    EXPECT_EQ(board(1).device(1, 5).workMode, DeviceRecord::kWorkNormal);
}

TEST(PageHistory, AThousandColumnBatchesHoldAFewMegabytes) {
    auto devices = std::make_unique<BoardDevices>();
    PageHistory history([&](int) { return ByteParts{bytesOf(devices->records)}; });
    for (int n = 1; n <= 1000; ++n) {
        const PageHistory::Before before = history.before(1);
        for (int address = 1; address <= kAddressesPerLoop; ++address) {
            devices->device(1, address).zone = static_cast<std::uint8_t>(n);
        }
        history.record(u"Column Batch: Zone, rows 1-324", before);
    }
    EXPECT_LT(history.bytesHeld(), 4u << 20);
    for (int n = 0; n < 1000; ++n) {
        ASSERT_TRUE(history.undo());
    }
    EXPECT_TRUE(devices->sameRecords(BoardDevices{}));
}

} // namespace
} // namespace qb
