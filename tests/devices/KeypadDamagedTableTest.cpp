#include "KeypadFixture.h"
#include "base/CellText.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <random>

namespace qb {
namespace {

using test::Bytes;
using test::KeypadTest;
using test::Texts;

constexpr std::size_t kRecordsOffset = FileHeader::kSize;

class KeypadDamagedTableTest : public KeypadTest {};

TEST_F(KeypadDamagedTableTest, PointsBehindAnEmptyFirstRecordMoveUpOnOk) {
    setRecord(1, {1, 0, 4, 7, 0xFF, 0xFF, 0xFF, 0xFF});
    setRecord(2, {1, 1, 5, 5, 1, 0xFF, 12, 0});
    store->keypad.takeSavePoint();
    editor.open();
    // The begun point joins the records behind it.
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/3");
    EXPECT_TRUE(editor.pressOk());
    // The untouched first point goes; the two behind it now lie from the first record.
    EXPECT_EQ(store->keypad.working.pointCount(), 2);
    const auto& data = store->keypad.working.data;
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 8), (Bytes{1, 0, 4, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(data.begin() + 8, data.begin() + 16), (Bytes{1, 1, 5, 5, 1, 0xFF, 12, 0}));
    EXPECT_EQ(data[16 + 2], 0xFF);
}

TEST_F(KeypadDamagedTableTest, OutOfRangeFieldsShowWithoutLookUps) {
    setRecord(0, {7, 1, 0x40, 200, 9, 0xFF, 0xFF, 0xFF}); // button 64, board 200, loop 9
    setRecord(1, {1, 1, 0, 5, 1, 0xFF, 0x90, 0x01});      // button 0, address 400 of board 5
    setRecord(2, {1, 0, 2, 0, 0, 0, 0, 0});               // zone 0
    editor.open();
    EXPECT_FALSE(editor.buttons.chosen());
    EXPECT_FALSE(editor.reg);
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"200-9-65535"});
    // The page has no button: it cannot be left, but the target can be taken off.
    editor.results.select(0);
    editor.pressRemoveOutput();
    editor.buttons.select(0);
    editor.setFieldDevice(true);
    editor.chooseBoard(1);
    editor.modules.select(0);
    editor.pressAddOutput();
    editor.pressNext();
    EXPECT_EQ(record(0), (Bytes{0, 1, 1, 5, 1, 0xFF, 12, 0}));
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"05-1-400"});
    EXPECT_TRUE(editor.reg);
    editor.pressNext(); // a target without a button
    EXPECT_EQ(prompter.texts(), Texts{"The Page content not complete!\nNo button is chosen."});
    editor.buttons.select(5);
    editor.pressNext();
    EXPECT_EQ(record(1), (Bytes{1, 1, 6, 5, 1, 0xFF, 0x90, 0x01}));
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"Zone 00"});
    EXPECT_EQ(editor.buttons.text(), u"Button No.02");
}

TEST_F(KeypadDamagedTableTest, AnyBytesSurviveEveryAction) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> action(0, 11);
    for (int round = 0; round < 200; ++round) {
        for (auto& b : store->keypad.working.data) {
            // Mostly small values, so buttons, boards and zones often look valid.
            const int v = byte(random);
            b = static_cast<std::uint8_t>(v < 128 ? v % 40 : v);
        }
        store->keypad.takeSavePoint();
        KeypadEditor e(*store, prompter);
        e.open();
        for (int step = 0; step < 40; ++step) {
            const int pick = byte(random);
            switch (action(random)) {
            case 0:
                e.pressAdd();
                break;
            case 1:
                e.pressDel();
                break;
            case 2:
                e.pressNext();
                break;
            case 3:
                e.pressPrev();
                break;
            case 4:
                e.toText = numberText(pick % 60);
                e.pressTo();
                break;
            case 5:
                e.setFieldDevice(!e.fieldDevice);
                break;
            case 6:
                e.chooseBoard(pick % 3);
                break;
            case 7:
                e.modules.select(pick % 4);
                e.pressAddOutput();
                break;
            case 8:
                e.results.select(0);
                e.pressRemoveOutput();
                break;
            case 9:
                e.buttons.select(pick % 34);
                break;
            case 10:
                e.reg = !e.reg;
                break;
            default:
                e.pressOk();
                break;
            }
            ASSERT_LE(e.page(), e.pageCount());
            ASSERT_LE(e.results.items.size(), 1u);
            ASSERT_LE(e.modules.items.size(), static_cast<std::size_t>(kAddressesPerLoop));
        }
        e.pressExit();
        ASSERT_EQ(store->keypad.working, store->keypad.saved);
    }
}

class KeypadCommandTest : public ::testing::Test {};

TEST_F(KeypadCommandTest, OkWritesTheFileAndTakesTheSavedCopy) {
    test::WindowFixture w;
    w.store->zones.working.zone(7).registration = 1;
    w.dialogs.keypadEditor = [](KeypadEditor& e) {
        e.buttons.select(2);
        e.reg = true;
        e.modules.selectText(u"Zone 07");
        e.pressAddOutput();
        return e.pressOk();
    };
    w.prompter.messages.clear();
    w.window.runCommand(commands::kZcpSetup);
    EXPECT_EQ(w.dialogs.keypadRuns, 1);
    const Bytes file = test::readAll(w.dataFile("M001KPAD.BIN"));
    ASSERT_EQ(file.size(), 432u);
    const auto header = FileHeader::fromTemplate(w.store->headerTemplate(), "KEPAD").bytes();
    EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
    EXPECT_EQ(Bytes(file.begin() + kRecordsOffset, file.begin() + kRecordsOffset + 8),
              (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(std::all_of(file.begin() + kRecordsOffset + 8, file.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_FALSE(w.store->keypad.modified());
    EXPECT_TRUE(w.prompter.messages.empty());
}

TEST_F(KeypadCommandTest, ExitWritesNothingAndKeepsTheTable) {
    test::WindowFixture w;
    w.dialogs.keypadEditor = [](KeypadEditor& e) {
        e.buttons.select(0);
        e.modules.select(0);
        e.pressAddOutput();
        e.pressAdd();
        return false;
    };
    const KeypadTable before = w.store->keypad.working;
    w.window.runCommand(commands::kZcpSetup);
    EXPECT_EQ(w.dialogs.keypadRuns, 1);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001KPAD.BIN")));
    EXPECT_EQ(w.store->keypad.working, before);
}

TEST_F(KeypadCommandTest, TheOneLoopPanelHasNoKeypads) {
    test::WindowFixture w(SystemCode::OneLoop);
    w.dialogs.keypadEditor = [](KeypadEditor& e) { return e.pressOk(); };
    EXPECT_TRUE(w.window.runCommand(commands::kZcpSetup));
    EXPECT_EQ(w.dialogs.keypadRuns, 0);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001KPAD.BIN")));
}

} // namespace
} // namespace qb
