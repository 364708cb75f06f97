#include "files/DeviceFile.h"
#include "files/LoadData.h"
#include "pages/ColumnBatchDialog.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;

class DevicePageTest : public ::testing::Test {
protected:
    explicit DevicePageTest(SystemCode code = SystemCode::TwoLoopSo3) : w(code) {
        w.store->ioBoards.working.registration(4) = 1;
        w.window.runCommand(commands::kDeviceSetup);
    }
    DeviceRecord& device(int board, int loop, int address) {
        return w.store->devices(board).working.device(loop, address);
    }
    WindowFixture w;
};

TEST_F(DevicePageTest, ShowsLoopOneOfTheFirstRegisteredBoard) {
    const WindowState& s = w.window.state();
    EXPECT_EQ(s.title, u"Loop --> Detector/Module Setup");
    EXPECT_EQ(s.firstSelector.label, u"Loop-B:");
    EXPECT_EQ(s.firstSelector.items, (std::vector<std::u16string>{u"01", u"04"}));
    EXPECT_EQ(s.firstSelector.current, 0);
    ASSERT_EQ(s.grid.rows(), 325);
    ASSERT_EQ(s.grid.columns(), 8);
    const std::vector<std::u16string> captions{u"Addr", u"Reg",    u"Equip", u"ProductType",
                                               u"Zone", u"Output", u"Work",  u"Position"};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(w.cell(0, c), captions[c]);
    }
    EXPECT_EQ(w.cell(324, 0), u"324");
    EXPECT_EQ(w.cell(1, 1), u"×");
    EXPECT_EQ(w.cell(1, 2), u"OptDet");
    EXPECT_EQ(w.cell(1, 3), u"OptDet");
    EXPECT_EQ(w.cell(1, 4), u"1");
    EXPECT_EQ(w.cell(1, 5), u"Constant");
    EXPECT_EQ(w.cell(1, 6), u"Fast");
    EXPECT_EQ(w.cell(1, 7), u"");
}

TEST_F(DevicePageTest, CellsShowNamesModesAndErrors) {
    device(4, 1, 2).equipType = 24;
    device(4, 1, 3).workMode = 7;
    device(4, 1, 4).workMode = 2;
    device(4, 1, 5).outputMode = 0;
    device(4, 1, 6).productType = 99;
    device(4, 1, 7).registration = 3;
    w.window.chooseFirstSelector(1);
    EXPECT_EQ(w.cell(2, 2), u"Alarm1");
    EXPECT_EQ(w.cell(3, 6), u"Fast");
    EXPECT_EQ(w.cell(4, 6), u"Slow");
    EXPECT_EQ(w.cell(5, 5), u"Pulse");
    EXPECT_EQ(w.cell(6, 3), u"none");
    EXPECT_EQ(w.cell(7, 1), u"Err");
    EXPECT_EQ(w.prompter.texts(),
              (std::vector<std::string>{
                  "Error in IOB-4 Loop-1 Addr-7 Registration Information!\nPlease set it "
                  "correctly!\nThe possible cause of this problem is that the length of the "
                  "previous information description character exceeds the limit value. The "
                  "program has automatically truncated it to 29 bytes"}));
}

TEST_F(DevicePageTest, AnOverlongLoadedPositionIsReportedOnceWhenDrawnEvenAfterCancel) {
    auto bytes =
        buildDeviceFile(w.store->devices(1).working, 1, SystemCode::TwoLoopSo3, FileVariant::Export)
            .bytes;
    std::fill_n(bytes.begin() + 32 + 42 * 3 + 12, 30, 'Q'); // address 4: 30 letters, no NUL
    test::writeAll(w.dataFile("M001ID01.BIN"), bytes);
    loadData(*w.store, w.prompter);
    w.prompter.messages.clear();
    w.window.showPage(PageId::Devices);
    EXPECT_EQ(w.prompter.texts(),
              std::vector<std::string>{"The Position field information of device IOB-1 Loop-1 "
                                       "Addr-4  exceeds 29 bytes. The program has automatically "
                                       "truncated it."});
    EXPECT_EQ(w.cell(4, 7), std::u16string(29, u'Q'));
    EXPECT_FALSE(w.store->devices(1).modified()); // reporting is no edit
    w.window.showPage(PageId::Devices);
    w.window.pressCancel();
    EXPECT_EQ(w.prompter.messages.size(), 1u);
}

TEST_F(DevicePageTest, ListsAndEditorsCommitIntoTheShownBoard) {
    w.window.chooseFirstSelector(1);
    w.window.clickCell(10, 2);
    EXPECT_EQ(w.window.state().editor.items.size(), 47u);
    EXPECT_EQ(w.window.state().editor.selected, 1);
    w.window.commitCellList(20, u""); // "SmkFan"
    EXPECT_EQ(device(4, 1, 10).equipType, 48);
    EXPECT_EQ(w.cell(10, 2), u"SmkFan");

    w.pick(10, 3, u"KZJ_LD");
    EXPECT_EQ(device(4, 1, 10).productType, 54);
    w.pick(10, 5, u"Pulse");
    EXPECT_EQ(device(4, 1, 10).outputMode, 0);
    w.pick(10, 5, u"Constant");
    EXPECT_EQ(device(4, 1, 10).outputMode, 1);
    w.pick(10, 6, u"Slow");
    EXPECT_EQ(device(4, 1, 10).workMode, 2);
    w.type(10, 4, u"32");
    EXPECT_EQ(device(4, 1, 10).zone, 31);
    w.type(10, 4, u"33");
    EXPECT_EQ(device(4, 1, 10).zone, 31);
    EXPECT_EQ(w.cell(10, 4), u"32");
    EXPECT_EQ(w.prompter.messages,
              (std::vector<test::FakePrompter::Message>{
                  {"Zone must be between 1 and 32; 33 was not stored.", "Quillbarrow"}}));
    w.window.clickCell(10, 7);
    EXPECT_EQ(w.window.state().editor.maxLength, 29);
    w.window.commitTextEditor(u"Plant room fan 2");
    EXPECT_EQ(device(4, 1, 10).position.view(), u"Plant room fan 2");
    w.window.doubleClickCell(10, 1);
    EXPECT_EQ(device(4, 1, 10).registration, 1);
    EXPECT_EQ(
        device(1, 1, 10),
        BoardDevices::defaults(w.store->headerTemplate(), 1, w.store->systemCode()).device(1, 10));
}

TEST_F(DevicePageTest, ColumnBatchChangesExactlyTheChosenRange) {
    w.dialogs.columnBatch = [](ColumnBatchDialog& dialog) {
        EXPECT_EQ(dialog.prompt(), u"Select work mode");
        EXPECT_EQ(dialog.selected(), 0);
        dialog.choose(2);
        dialog.range.startText = u"10";
        dialog.range.endText = u"10";
        return dialog.pressOk();
    };
    w.window.doubleClickCell(0, 6);
    EXPECT_EQ(w.dialogs.columnBatchRuns, 1);
    EXPECT_EQ(device(1, 1, 9).workMode, 1);
    EXPECT_EQ(device(1, 1, 10).workMode, 2);
    EXPECT_EQ(device(1, 1, 11).workMode, 1);
    EXPECT_EQ(w.cell(10, 6), u"Slow");

    w.dialogs.columnBatch = [](ColumnBatchDialog& dialog) {
        dialog.choose(20); // "SmkFan"
        dialog.range.startText = u"300";
        dialog.range.endText = u"324";
        return dialog.pressOk();
    };
    w.window.doubleClickCell(0, 2);
    EXPECT_EQ(device(1, 1, 299).equipType, 2);
    EXPECT_EQ(device(1, 1, 300).equipType, 48);
    EXPECT_EQ(device(1, 1, 324).equipType, 48);
    EXPECT_EQ(device(1, 2, 300).equipType, 2); // loop 2 untouched

    // Cancel changes nothing.
    w.dialogs.columnBatch = [](ColumnBatchDialog& dialog) {
        dialog.choose(1);
        dialog.range.startText = u"1";
        dialog.range.endText = u"324";
        return false;
    };
    w.window.doubleClickCell(0, 1);
    EXPECT_EQ(device(1, 1, 1).registration, 0);
}

TEST_F(DevicePageTest, PositionDescriptionFillsTheRangeWithOneText) {
    w.dialogs.positionDescription = [](PositionDescriptionDialog& dialog) {
        dialog.range.startText = u"5";
        dialog.range.endText = u"7";
        dialog.description = u"Corridor";
        return dialog.pressOk();
    };
    w.window.doubleClickCell(0, 7);
    EXPECT_EQ(device(1, 1, 4).position.view(), u"");
    EXPECT_EQ(device(1, 1, 5).position.view(), u"Corridor");
    EXPECT_EQ(device(1, 1, 7).position.view(), u"Corridor");
    EXPECT_EQ(w.cell(6, 7), u"Corridor");
}

TEST_F(DevicePageTest, SaveWritesBothLoopsOfTheShownBoard) {
    device(1, 2, 50).position.assign(u"Loop two only");
    w.window.pressSave();
    const auto bytes = test::readAll(w.dataFile("M001ID01.BIN"));
    EXPECT_EQ(bytes, buildDeviceFile(w.store->devices(1).working, 1, SystemCode::TwoLoopSo3,
                                     FileVariant::PageSave)
                         .bytes);
    EXPECT_FALSE(w.store->devices(1).modified());
}

TEST_F(DevicePageTest, SaveRefusesTooLongPositionsByAddressAndWritesNothing) {
    device(1, 1, 12).position.assign(u"一二三四五六七八九十"); // 30 bytes
    device(1, 2, 3).position.assign(u"一二三四五六七八九十");
    w.window.pressSave();
    EXPECT_EQ(w.prompter.texts(),
              (std::vector<std::string>{
                  "Input string too long,Line 12\nThe limit is 29 bytes; this text has 30 bytes.",
                  "Input string too long,Line 3\nThe limit is 29 bytes; this text has 30 bytes."}));
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001ID01.BIN")));
    EXPECT_TRUE(w.store->devices(1).modified());
}

TEST_F(DevicePageTest, CancelRestoresTheShownBoardAndKeepsItShown) {
    w.window.chooseFirstSelector(1);
    w.type(3, 7, u"Changed");
    w.window.pressCancel();
    EXPECT_EQ(w.window.state().firstSelector.current, 1);
    EXPECT_EQ(w.cell(3, 7), u"");
    EXPECT_FALSE(w.store->devices(4).modified());
}

class DevicePageLegacy : public DevicePageTest {
protected:
    DevicePageLegacy() : DevicePageTest(SystemCode::TwoLoopSo12) {}
};

TEST_F(DevicePageLegacy, PositionEditorAndColumnDialogTakeNoMoreThanTheTwelveByteField) {
    w.window.clickCell(1, 7);
    EXPECT_EQ(w.window.state().editor.maxLength, 12);
    w.window.commitTextEditor(u"ABCDEFGHIJKLMNOP");
    EXPECT_EQ(device(1, 1, 1).position.view(), u"ABCDEFGHIJKL");
    // The dialog's box takes 29 characters, but only as many bytes as the field holds.
    bool refused = false;
    w.dialogs.positionDescription = [&refused](PositionDescriptionDialog& dialog) {
        dialog.range.startText = u"1";
        dialog.range.endText = u"2";
        dialog.description = u"Küche Süd 北京"; // 12 characters, 18 bytes
        refused = !dialog.pressOk();
        EXPECT_EQ(dialog.description, u"");
        dialog.description = u"Küche SüdX"; // 12 bytes
        return dialog.pressOk();
    };
    w.window.doubleClickCell(0, 7);
    EXPECT_TRUE(refused);
    EXPECT_EQ(w.prompter.messages,
              (std::vector<test::FakePrompter::Message>{
                  {"Input string too long for Position Description!\nThe limit is 12 bytes; this "
                   "text has 18 bytes.",
                   "Quillbarrow"}}));
    EXPECT_EQ(device(1, 1, 1).position.view(), u"Küche SüdX");
    EXPECT_EQ(device(1, 1, 2).position.view(), u"Küche SüdX");
}

TEST(DevicePageWithoutBoards, ShowsCaptionsOnlyAndIgnoresEveryAction) {
    WindowFixture w;
    w.store->ioBoards.working.registration(1) = 0;
    w.window.showPage(PageId::Devices);
    EXPECT_TRUE(w.window.state().firstSelector.items.empty());
    EXPECT_EQ(w.grid().rows(), 1);
    w.window.clickCell(1, 7);
    EXPECT_FALSE(w.window.state().editor.open());
    w.window.doubleClickCell(0, 1);
    w.window.chooseFirstSelector(0);
    w.window.pressSave();
    w.window.pressCancel();
    EXPECT_EQ(w.dialogs.columnBatchRuns, 0);
    EXPECT_TRUE(std::filesystem::is_empty(w.store->dataFolder()));
}

} // namespace
} // namespace qb
