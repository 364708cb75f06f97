#include "LinkageEditorFixture.h"
#include "linkage/GeneralLinkageEditor.h"
#include "linkage/LinkageRules.h"
#include "linkage/SpecificLinkageEditor.h"
#include "linkage/ZoneLinkageEditor.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::LinkageEditorTest;

// What each kind's editor adds to a rule: its condition bytes, and the lists it offers for them.

TEST_F(LinkageEditorTest, AGeneralRuleIsStoredInItsLayout) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    completeCommonParts(editor);
    completeInputs(editor.inputs);
    editor.inputs.boxes[4] = true;                // "MCP"
    editor.inputs.lists[0].selectText(u"OptDet"); // code 2 again: kept
    editor.inputs.lists[1].selectText(u"IonDet");
    editor.inputs.lists[2].selectText(u"IonDet"); // the same list choice: once
    ASSERT_TRUE(editor.pressOk());
    const auto r = record(0);
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 1);
    EXPECT_EQ(Bytes(r.begin() + 4, r.begin() + 13), (Bytes{2, 11, 2, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(r.begin() + 13, r.begin() + 30), Bytes(17, 0xFF));
    EXPECT_EQ(r[30], 1);              // Reg
    EXPECT_EQ(r[31], 5);              // delay
    EXPECT_EQ(r[32] | r[33] << 8, 0); // first output
    EXPECT_EQ(r[34], 0xFF);
    EXPECT_EQ(r[35], 0xFF);
    EXPECT_EQ(r[36], 3); // fire signals
    EXPECT_EQ(r[37], 0);
    EXPECT_EQ(r[38], 0xFF); // untouched bytes keep the pool's 0xFF
    EXPECT_EQ(r[56] | r[57] << 8, 0xFFFE);
    const auto out = store->linkageResults.working.record(0);
    EXPECT_EQ(Bytes(out.begin(), out.end()), (Bytes{0, 0, 5, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(LinkageEditorTest, ListCodesBeyondTheFourListsAreDroppedWhenTheRuleIsStored) {
    LinkageInputTable& in = store->linkageInputs.working;
    const int rule = *appendRule(in, store->linkageResults.working, LinkageKind::General);
    const Bytes codes{1, 4, 5, 6, 9, 0, 0, 0, 0};
    std::copy(codes.begin(), codes.end(), in.record(rule).begin() + 4);
    in.record(rule)[31] = 0;
    store->linkageInputs.takeSavePoint();
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.inputs.lists[0].text(), u"IonDet");
    EXPECT_EQ(editor.inputs.lists[3].text(), u"ConvIonD");
    EXPECT_EQ(editor.delay.text(), u"000s");
    completeInputs(editor.inputs);
    editor.inputs.boxes[0] = false;
    completeCommonParts(editor);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(Bytes(record(rule).begin() + 4, record(rule).begin() + 13),
              (Bytes{1, 4, 5, 6, 0, 0, 0, 0, 0}));
}

TEST_F(LinkageEditorTest, TheZoneEditorListsRegisteredZonesAndStoresTheZoneMinusOne) {
    store->zones.working.zone(1).registration = 0;
    ZoneLinkageEditor lonely(*store, prompter);
    lonely.open();
    EXPECT_TRUE(lonely.zones.items.empty());
    completeCommonParts(lonely);
    completeInputs(lonely.inputs);
    EXPECT_EQ(lonely.pageState(), LinkageEditor::PageState::Incomplete);
    lonely.pressExit();

    store->zones.working.zone(3).registration = 1;
    store->zones.working.zone(12).registration = 1;
    ZoneLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.exitLabel(), u"Cancel");
    EXPECT_EQ(editor.zones.items, (std::vector<std::u16string>{u"03", u"12"}));
    editor.zones.selectText(u"12");
    completeCommonParts(editor);
    completeInputs(editor.inputs);
    editor.pressAdd();
    editor.zones.selectText(u"03");
    completeCommonParts(editor);
    completeInputs(editor.inputs);
    ASSERT_TRUE(editor.pressOk());
    const auto r = record(0);
    EXPECT_EQ(r[0], 2);
    EXPECT_EQ(r[4], 11);
    EXPECT_EQ(Bytes(r.begin() + 5, r.begin() + 14), (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r[14], 0xFF);
    EXPECT_EQ(r[31], 1);
    EXPECT_EQ(r[32], 5);
    EXPECT_EQ(r[34] | r[35] << 8, 0);
    EXPECT_EQ(r[36] & r[37], 0xFF);
    EXPECT_EQ(r[38], 3);
    EXPECT_EQ(r[39], 0);
    EXPECT_EQ(record(1)[4], 2);
    EXPECT_EQ(head(LinkageKind::Zone), 0);
}

TEST_F(LinkageEditorTest, TheSpecificEditorStoresCompleteRowsOnly) {
    store->network.working.hostRegistration(7) = 1;
    SpecificLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.hostLabel(), u"Host");
    EXPECT_EQ(editor.rows[0].host.items, (std::vector<std::u16string>{u"NA", u"001", u"007"}));
    EXPECT_EQ(editor.rows[0].board.items, (std::vector<std::u16string>{u"NA", u"01"}));
    EXPECT_EQ(editor.rows[4].host.text(), u"NA");
    EXPECT_TRUE(editor.rows[4].address.empty());

    editor.rows[2].host.selectText(u"007");
    editor.rows[2].board.selectText(u"01");
    editor.rows[2].address = u"400";
    editor.leaveAddress(2);
    EXPECT_TRUE(editor.rows[2].address.empty());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Address value within 1-324 is required!"});
    editor.rows[2].address = u"123";
    editor.rows[0].host.select(1); // a row without a board is not complete
    completeCommonParts(editor);
    ASSERT_TRUE(editor.pressOk());
    const auto r = record(0);
    EXPECT_EQ(r[0], 6);
    for (int slot : {0, 1, 3, 4}) {
        EXPECT_EQ(r[4 + 8 * slot], 0xFF) << slot;
    }
    EXPECT_EQ(Bytes(r.begin() + 20, r.begin() + 26), (Bytes{7, 1, 123, 0, 1, 0xFF}));
    EXPECT_EQ(r[44], 1);
    EXPECT_EQ(r[45], 5);
    EXPECT_EQ(r[46] | r[47] << 8, 0);
    EXPECT_EQ(r[48] & r[49], 0xFF);

    SpecificLinkageEditor again(*store, prompter);
    again.open();
    EXPECT_EQ(again.rows[2].host.text(), u"007");
    EXPECT_EQ(again.rows[2].board.text(), u"01");
    EXPECT_EQ(again.rows[2].address, u"123");
    EXPECT_EQ(again.rows[1].host.text(), u"NA");
    EXPECT_EQ(again.results.items.size(), 1u);
}

TEST_F(LinkageEditorTest, TheSpecificEditorKeepsAStoredHostOrBoardNoLongerRegistered) {
    store->network.working.hostRegistration(7) = 1;
    store->ioBoards.working.registration(3) = 1;
    SpecificLinkageEditor editor(*store, prompter);
    editor.open();
    editor.rows[1].host.selectText(u"007");
    editor.rows[1].board.selectText(u"03");
    editor.rows[1].address = u"12";
    completeCommonParts(editor);
    ASSERT_TRUE(editor.pressOk());
    const Bytes stored(record(0).begin(), record(0).end());

    store->network.working.hostRegistration(7) = 0;
    store->ioBoards.working.registration(3) = 0;
    SpecificLinkageEditor again(*store, prompter);
    again.open();
    EXPECT_EQ(again.rows[1].host.text(), u"007 (not registered)");
    EXPECT_EQ(again.rows[1].board.text(), u"03 (not registered)");
    EXPECT_EQ(again.rows[0].host.items, (std::vector<std::u16string>{u"NA", u"001"}));
    again.toText = u"1"; // leaving the page stores it
    again.pressTo();
    EXPECT_EQ(again.rows[1].host.text(), u"007 (not registered)");
    ASSERT_TRUE(again.pressOk());
    EXPECT_EQ(Bytes(record(0).begin(), record(0).end()), stored);
    EXPECT_TRUE(prompter.messages.empty());
}

class SpecificLegacy : public LinkageEditorTest {
protected:
    SpecificLegacy() : LinkageEditorTest(SystemCode::TwoLoopSo12) {}
};

TEST_F(SpecificLegacy, AStoredRowHoldsTheLoopInsteadOfAHost) {
    SpecificLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.hostLabel(), u"Loop");
    EXPECT_EQ(editor.boardLabel(), u"Loop-B");
    EXPECT_EQ(editor.rows[0].host.items, (std::vector<std::u16string>{u"NA", u"01"}));
    editor.rows[0].host.select(1);
    editor.rows[0].board.select(1);
    editor.rows[0].address = u"7";
    completeCommonParts(editor);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(Bytes(record(0).begin() + 4, record(0).begin() + 10),
              (Bytes{0xFF, 1, 7, 0, 1, 0xFF}));
    SpecificLinkageEditor again(*store, prompter);
    again.open();
    EXPECT_EQ(again.rows[0].host.text(), u"01");

    // Cleared back to "NA", the row stays cleared.
    again.rows[0].host.select(0);
    again.rows[1] = editor.rows[0];
    ASSERT_TRUE(again.pressOk());
    SpecificLinkageEditor third(*store, prompter);
    third.open();
    EXPECT_EQ(third.rows[0].host.text(), u"NA");
    EXPECT_EQ(record(0)[4 + 4], 0xFF);
    EXPECT_EQ(third.rows[1].host.text(), u"01");
}

class OneLoopLinkage : public LinkageEditorTest {
protected:
    OneLoopLinkage() : LinkageEditorTest(SystemCode::OneLoop) {}
};

TEST_F(OneLoopLinkage, ListsOfferWhatTheTablesHold) {
    store->ioBoards.working.registration(1) = 0;
    store->zones.working.zone(20).registration = 1; // registered in a loaded file
    SpecificLinkageEditor specific(*store, prompter);
    specific.open();
    // All 40 boards in the rows, and the same on the module side.
    EXPECT_EQ(specific.rows[0].board.items.size(), 41u);
    ASSERT_EQ(specific.boards.items.size(), 40u);
    EXPECT_EQ(specific.boards.items.front(), u"01");
    specific.pressExit();

    ZoneLinkageEditor zone(*store, prompter);
    zone.open();
    EXPECT_EQ(zone.zones.items, (std::vector<std::u16string>{u"01", u"20"}));
    EXPECT_TRUE(zone.boards.items.empty()); // board 1 not registered
}

} // namespace
} // namespace qb
