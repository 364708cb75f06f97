#include "KeypadFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::kBegun;
using test::KeypadTest;
using test::kFree;
using test::Texts;

class KeypadPagingTest : public KeypadTest {};

TEST_F(KeypadPagingTest, AddStoresThePageAndOffersTheNextButton) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.pressAdd();
    EXPECT_EQ(record(0), (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(record(1), kBegun);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.buttons.text(), u"Button No.04");
    EXPECT_FALSE(editor.reg);
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.prevEnabled);
    EXPECT_FALSE(editor.nextEnabled);
    // A button alone does not make a page: it cannot be left.
    EXPECT_EQ(editor.pageState(), KeypadEditor::PageState::Incomplete);
}

TEST_F(KeypadPagingTest, AnIncompletePageCannotBeLeft) {
    editor.open();
    editor.buttons.select(0); // button, no target
    editor.toText = u"1";
    editor.pressAdd();
    editor.pressTo();
    editor.pressNext();
    editor.pressPrev();
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.texts(), Texts(5, "The Page content not complete!\nNo target is chosen."));
    EXPECT_EQ(record(0), kBegun);
    EXPECT_EQ(count(), 1);

    // The untouched first page cannot be left either, but OK drops it.
    prompter.messages.clear();
    editor.buttons.select(-1);
    editor.pressAdd();
    EXPECT_EQ(prompter.texts(),
              Texts{"The Page content not complete!\nNo button is chosen. No target is chosen."});
    EXPECT_TRUE(editor.pressOk());
    EXPECT_EQ(store->keypad.working, store->keypad.saved);
}

TEST_F(KeypadPagingTest, ATargetWithoutAButtonIsIncomplete) {
    editor.open();
    editor.modules.select(0);
    editor.pressAddOutput();
    EXPECT_EQ(editor.pageState(), KeypadEditor::PageState::Incomplete);
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.texts(), Texts{"The Page content not complete!\nNo button is chosen."});
}

TEST_F(KeypadPagingTest, MovingStoresTheLeftPage) {
    editor.open();
    points(3);
    editor.pressPrev();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/3");
    editor.reg = false;
    editor.buttons.select(19);
    editor.pressNext();
    EXPECT_EQ(record(1), (Bytes{0, 0, 20, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(editor.pageLabel(), u"Cond. 3/3");

    editor.toText = u"1";
    editor.pressTo();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/3");
    EXPECT_TRUE(editor.toText.empty());
    EXPECT_FALSE(editor.prevEnabled);
    EXPECT_TRUE(editor.nextEnabled);
    EXPECT_EQ(editor.buttons.text(), u"Button No.02");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadPagingTest, ToIgnoresNumbersOffTheTable) {
    editor.open();
    points(2);
    for (const char16_t* text : {u"", u"0", u"3", u"-1", u"1x", u"99999999999"}) {
        editor.toText = text;
        editor.pressTo();
        EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadPagingTest, FiftyPointsIsTheLimit) {
    editor.open();
    points(49);
    EXPECT_TRUE(editor.addEnabled);
    editor.pressAdd();
    zonePoint(32, u"Zone 12");
    EXPECT_EQ(editor.pageLabel(), u"Cond. 50/50");
    EXPECT_FALSE(editor.addEnabled);
    EXPECT_TRUE(editor.delEnabled);

    const KeypadTable before = store->keypad.working;
    editor.pressAdd();
    EXPECT_EQ(prompter.texts(), Texts{"The maximum number of hand control points is 50!"});
    EXPECT_EQ(store->keypad.working, before);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 50/50");

    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(count(), 50);
    EXPECT_EQ(record(49), (Bytes{1, 0, 32, 12, 0xFF, 0xFF, 0xFF, 0xFF}));
    KeypadEditor again(*store, prompter);
    again.open();
    EXPECT_FALSE(again.addEnabled);
    EXPECT_EQ(again.pageLabel(), u"Cond. 1/50");
}

class KeypadDeleteTest : public KeypadTest {};

TEST_F(KeypadDeleteTest, TheOnlyPointMakesWayForANewOne) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.pressDel();
    EXPECT_EQ(record(0), kBegun);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_FALSE(editor.buttons.chosen());
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.addOutputEnabled);
}

TEST_F(KeypadDeleteTest, TheLastPointShowsThePreviousOne) {
    editor.open();
    points(3);
    editor.pressDel();
    EXPECT_EQ(record(2), kFree);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.buttons.text(), u"Button No.03");
}

TEST_F(KeypadDeleteTest, AMiddlePointClosesTheGap) {
    editor.open();
    points(3);
    editor.toText = u"2";
    editor.pressTo(); // stores page 3 on the way
    const Bytes third = record(2);
    editor.pressDel();
    EXPECT_EQ(record(1), third);
    EXPECT_EQ(record(2), kFree);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.buttons.text(), u"Button No.04");
    EXPECT_FALSE(editor.nextEnabled);
}

TEST_F(KeypadDeleteTest, TheFirstOfFiftyMovesEveryOtherUp) {
    editor.open();
    points(50);
    editor.toText = u"1";
    editor.pressTo();
    const KeypadTable before = store->keypad.working;
    editor.pressDel();
    EXPECT_EQ(count(), 49);
    EXPECT_TRUE(
        std::equal(before.data.begin() + 8, before.data.end(), store->keypad.working.data.begin()));
    EXPECT_EQ(record(49), kFree);
    EXPECT_TRUE(editor.addEnabled);
}

class KeypadExitTest : public KeypadTest {};

TEST_F(KeypadExitTest, ExitRestoresTheSavedTable) {
    editor.open();
    points(4);
    editor.pressDel();
    editor.pressAdd();
    EXPECT_NE(store->keypad.working, store->keypad.saved);
    editor.pressExit();
    EXPECT_EQ(store->keypad.working, store->keypad.saved);
    EXPECT_EQ(count(), 0);
}

} // namespace
} // namespace qb
