#include "KeypadFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::kBegun;
using test::KeypadTest;
using test::kFree;
using test::Texts;

TEST_F(KeypadTest, OpeningAnEmptyTableBeginsPointOne) {
    editor.open();
    EXPECT_EQ(record(0), kBegun);
    EXPECT_EQ(record(1), kFree);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    ASSERT_EQ(editor.buttons.items.size(), 32u);
    EXPECT_EQ(editor.buttons.items.front(), u"Button No.01");
    EXPECT_EQ(editor.buttons.items[8], u"Button No.09");
    EXPECT_EQ(editor.buttons.items.back(), u"Button No.32");
    EXPECT_FALSE(editor.buttons.chosen());
    EXPECT_EQ(editor.boards.items, (std::vector<std::u16string>{u"01", u"05"}));
    EXPECT_EQ(editor.loops.items, (std::vector<std::u16string>{u"01", u"02"}));
    EXPECT_EQ(editor.modules.items,
              (std::vector<std::u16string>{u"Zone 01", u"Zone 07", u"Zone 12"}));
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_FALSE(editor.reg);
    EXPECT_FALSE(editor.fieldDevice);
    EXPECT_FALSE(editor.boardsEnabled());
    EXPECT_FALSE(editor.prevEnabled);
    EXPECT_FALSE(editor.nextEnabled);
    EXPECT_TRUE(editor.addEnabled);
    EXPECT_TRUE(editor.delEnabled);
    EXPECT_TRUE(editor.addOutputEnabled);
    EXPECT_FALSE(editor.removeOutputEnabled);
    EXPECT_EQ(editor.pageState(), KeypadEditor::PageState::Empty);
}

TEST_F(KeypadTest, ZonePointBytes) {
    editor.open();
    zonePoint(3, u"Zone 07");
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"Zone 07"});
    EXPECT_FALSE(editor.addOutputEnabled);
    EXPECT_TRUE(editor.removeOutputEnabled);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(record(0), (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(record(1), kFree);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadTest, UnregisteredZonePointKeepsRegZero) {
    editor.open();
    zonePoint(32, u"Zone 12", false);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(record(0), (Bytes{0, 0, 32, 12, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(KeypadTest, FieldDevicePointBytes) {
    editor.open();
    editor.setFieldDevice(true);
    EXPECT_TRUE(editor.boardsEnabled());
    EXPECT_TRUE(editor.modules.items.empty()); // no board chosen yet
    EXPECT_FALSE(editor.addOutputEnabled);
    modulePoint(1, u"012SmkFan");
    EXPECT_EQ(editor.loops.text(), u"01");
    EXPECT_EQ(editor.modules.items, (std::vector<std::u16string>{u"012SmkFan", u"030SmkFan"}));
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"05-1-012SmkFan"});
    ASSERT_TRUE(editor.pressOk());
    const Bytes stored = record(0);
    EXPECT_EQ(Bytes(stored.begin() + 1, stored.end()), (Bytes{1, 1, 5, 1, 0xFF, 12, 0}));
    EXPECT_EQ(stored[0], 1);
}

TEST_F(KeypadTest, StoredPointsShowAsTheyWereStored) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.pressAdd();
    modulePoint(9, u"030SmkFan");
    ASSERT_TRUE(editor.pressOk());

    KeypadEditor again(*store, prompter);
    again.open();
    EXPECT_EQ(again.pageLabel(), u"Cond. 1/2");
    EXPECT_EQ(again.buttons.text(), u"Button No.03");
    EXPECT_TRUE(again.reg);
    EXPECT_FALSE(again.fieldDevice);
    EXPECT_EQ(again.results.items, std::vector<std::u16string>{u"Zone 07"});
    EXPECT_FALSE(again.fieldDeviceEnabled);
    again.pressNext();
    EXPECT_EQ(again.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(again.buttons.text(), u"Button No.09");
    EXPECT_TRUE(again.fieldDevice);
    EXPECT_TRUE(again.boardsEnabled());
    EXPECT_EQ(again.results.items, std::vector<std::u16string>{u"05-1-030SmkFan"});
    EXPECT_TRUE(again.removeOutputEnabled);
    EXPECT_FALSE(again.addOutputEnabled);
    EXPECT_TRUE(prompter.messages.empty());
}

class KeypadTargetTest : public KeypadTest {};

TEST_F(KeypadTargetTest, AddingWithoutAnEntryAsksForOne) {
    editor.open();
    editor.pressAddOutput();
    EXPECT_EQ(prompter.texts(), Texts{"Please select in the list of module !"});
    EXPECT_EQ(record(0), kBegun);
}

TEST_F(KeypadTargetTest, ASecondTargetIsRefusedSilently) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.modules.selectText(u"Zone 12");
    editor.pressAddOutput();
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"Zone 07"});
    EXPECT_EQ(record(0)[3], 7);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadTargetTest, RemovingNeedsASelectedLineAndClearsTheTargetBytes) {
    editor.open();
    modulePoint(2, u"012SmkFan");
    editor.pressRemoveOutput();
    EXPECT_EQ(prompter.texts(), Texts{"Please select in the list of output results !"});
    EXPECT_EQ(record(0)[3], 5);

    editor.results.select(0);
    editor.pressRemoveOutput();
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.addOutputEnabled);
    EXPECT_FALSE(editor.removeOutputEnabled);
    // Target, loop and address are cleared; a zone put in its place leaves no stale loop.
    EXPECT_EQ(record(0), (Bytes{0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(KeypadTargetTest, FieldDeviceSwitchesTheListOnlyWhileNoTargetIsHeld) {
    editor.open();
    editor.setFieldDevice(true);
    editor.chooseBoard(1); // "05"
    EXPECT_EQ(editor.modules.items.size(), 2u);
    editor.setFieldDevice(false);
    EXPECT_FALSE(editor.boardsEnabled());
    EXPECT_EQ(editor.modules.items.front(), u"Zone 01");
    editor.chooseBoard(0); // "Loop-B" is disabled: nothing happens
    EXPECT_EQ(editor.modules.items.front(), u"Zone 01");

    zonePoint(4, u"Zone 01");
    EXPECT_FALSE(editor.fieldDeviceEnabled);
    editor.setFieldDevice(true);
    EXPECT_FALSE(editor.fieldDevice);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(record(0), (Bytes{1, 0, 4, 1, 0xFF, 0xFF, 0xFF, 0xFF}));
}

} // namespace
} // namespace qb
