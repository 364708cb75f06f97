#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;

TEST(IoBoardPage, ShowsFortyBoardsAndReportsBadFlags) {
    WindowFixture w;
    w.store->ioBoards.working.registration(3) = 9;
    w.window.runCommand(commands::kIoBoardSetup);
    EXPECT_EQ(w.window.state().title, u"Loop -->IO-Board Setup");
    ASSERT_EQ(w.grid().rows(), 41);
    EXPECT_EQ(w.cell(0, 0), u"IOB");
    EXPECT_EQ(w.cell(1, 1), u"√");
    EXPECT_EQ(w.cell(3, 1), u"Error");
    EXPECT_EQ(w.prompter.texts(),
              (std::vector<std::string>{
                  "Error in IOB-3 Registration Information!\nPlease set it correctly!"}));
}

TEST(IoBoardPage, UnderTheOneLoopCodeTheSingleBoardAlwaysShowsRegistered) {
    WindowFixture w(SystemCode::OneLoop);
    w.store->ioBoards.working.registration(1) = 0;
    w.window.showPage(PageId::IoBoard);
    ASSERT_EQ(w.grid().rows(), 2);
    EXPECT_EQ(w.cell(1, 1), u"√");
    w.window.doubleClickCell(1, 1);
    EXPECT_EQ(w.cell(1, 1), u"×");
    EXPECT_EQ(w.store->ioBoards.working.registration(1), 0);
    w.window.doubleClickCell(1, 1);
    EXPECT_EQ(w.store->ioBoards.working.registration(1), 1);
}

TEST(IoBoardPage, OneLoopSaveWritesTheFixedFormAndKeepsTheSavePoint) {
    WindowFixture w(SystemCode::OneLoop);
    w.window.showPage(PageId::IoBoard);
    w.window.doubleClickCell(1, 1);
    w.window.pressSave();
    const auto bytes = test::readAll(w.dataFile("M001IOBR.BIN"));
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(bytes[32], 1);
    w.window.pressCancel();
    EXPECT_EQ(w.store->ioBoards.working.registration(1), 1); // the state before this save
}

TEST(IoBoardPage, SaveWritesTheRecordAsHeld) {
    WindowFixture w;
    w.window.showPage(PageId::IoBoard);
    w.window.doubleClickCell(40, 1);
    w.window.pressSave();
    const auto bytes = test::readAll(w.dataFile("M001IOBR.BIN"));
    ASSERT_EQ(bytes.size(), 76u);
    EXPECT_EQ(bytes[32], 1);
    EXPECT_EQ(bytes[71], 1);
    EXPECT_EQ(bytes[72] | bytes[73] | bytes[74] | bytes[75], 0);
    EXPECT_FALSE(w.store->ioBoards.modified());
}

TEST(IoBoardPage, UnregisteringABoardRemovesItFromTheLoopBoardList) {
    WindowFixture w;
    w.window.showPage(PageId::IoBoard);
    w.window.doubleClickCell(3, 1);
    w.window.doubleClickCell(12, 1);
    w.window.showPage(PageId::Devices);
    EXPECT_EQ(w.window.state().firstSelector.items,
              (std::vector<std::u16string>{u"01", u"03", u"12"}));
    w.window.showPage(PageId::IoBoard);
    w.window.doubleClickCell(3, 1);
    w.window.showPage(PageId::Devices);
    EXPECT_EQ(w.window.state().firstSelector.items, (std::vector<std::u16string>{u"01", u"12"}));
}

} // namespace
} // namespace qb
