#include "linkage/GeneralLinkageEditor.h"
#include "linkage/LinkageRules.h"
#include "linkage/SpecificLinkageEditor.h"
#include "linkage/ZoneLinkageEditor.h"
#include "store/ConfigStore.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;

class LinkageEditorTest : public ::testing::Test {
protected:
    explicit LinkageEditorTest(SystemCode code = SystemCode::TwoLoopSo3)
        : store(ConfigStore::create(RunState::begin(code, folder.path()))) {
        // Three output modules on loop 1 of board 1, and one device that is no output.
        for (int address : {5, 7, 9}) {
            DeviceRecord& d = store->devices(1).working.device(1, address);
            d.registration = 1;
            d.productType = 52;
            d.equipType = 48;
        }
        DeviceRecord& detector = store->devices(1).working.device(1, 6);
        detector.registration = 1; // an OptDet: not offered as an output
        DeviceRecord& mcb = store->devices(1).working.device(1, 8);
        mcb.registration = 1;
        mcb.productType = 52;
        mcb.equipType = 76;
        store->devices(1).takeSavePoint();
    }

    std::span<const std::uint8_t> record(int index) const {
        return store->linkageInputs.working.record(index);
    }
    int head(int kind) const { return store->linkageInputs.working.head(kind); }

    // Delay "005s", "Reg" and the first module of board "01" as an output.
    void completeCommonParts(LinkageEditor& editor, int module = 0) {
        editor.delay.select(1);
        editor.reg = true;
        editor.chooseBoard(0);
        editor.modules.select(module);
        editor.pressAddOutput();
    }
    void completeInputs(InputTypeControls& inputs) {
        inputs.boxes[0] = true;       // "OptDet"
        inputs.fireSignals.select(2); // "03"
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
};

TEST_F(LinkageEditorTest, OpeningWithoutARuleCreatesPageOneWhichOkRemovesAgain) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.page(), 1);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_EQ(head(1), 0);
    EXPECT_FALSE(editor.prevEnabled);
    EXPECT_FALSE(editor.nextEnabled);
    EXPECT_TRUE(editor.delEnabled);
    EXPECT_TRUE(editor.addEnabled);
    EXPECT_EQ(editor.delay.items.front(), u"000s");
    EXPECT_EQ(editor.delay.items.back(), u"150s");
    EXPECT_EQ(editor.boards.items, std::vector<std::u16string>{u"01"});
    editor.reg = true; // "Reg" alone leaves the page empty
    EXPECT_EQ(editor.pageState(), LinkageEditor::PageState::Empty);
    editor.pressAdd();
    editor.pressTo();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"The Page content not complete!",
                                                          "The Page content not complete!"}));
    EXPECT_TRUE(editor.pressOk());
    EXPECT_EQ(head(1), 0xFFFF);
    EXPECT_EQ(store->linkageInputs.working, LinkageInputTable::defaults(store->headerTemplate()));
}

TEST_F(LinkageEditorTest, APageWithoutOutputCannotBeLeft) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    editor.delay.select(1);
    completeInputs(editor.inputs);
    EXPECT_EQ(editor.pageState(), LinkageEditor::PageState::Incomplete);
    editor.pressAdd();
    editor.pressNext();
    editor.pressPrev();
    editor.toText = u"1";
    editor.pressTo();
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.messages.size(), 5u);
    EXPECT_EQ(editor.pageCount(), 1);
}

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
    const int rule = *appendRule(in, store->linkageResults.working, 1);
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

TEST_F(LinkageEditorTest, TheModuleListOffersRegisteredOutputModulesOnly) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_FALSE(editor.addOutputEnabled);
    editor.chooseBoard(0);
    EXPECT_EQ(editor.loops.text(), u"01");
    EXPECT_EQ(editor.modules.items,
              (std::vector<std::u16string>{u"005SmkFan", u"007SmkFan", u"009SmkFan"}));
    EXPECT_TRUE(editor.addOutputEnabled);
    editor.pressAddOutput();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Please select in the list of module !"});
    editor.pressRemoveOutput();
    EXPECT_EQ(prompter.texts().back(), "Please select in the list of output results !");
}

TEST_F(LinkageEditorTest, OutputsAreAddedOnceAndRenumberedWhenOneIsRemoved) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    editor.chooseBoard(0);
    for (int module : {0, 1, 0, 2}) {
        editor.modules.select(module);
        editor.pressAddOutput();
    }
    EXPECT_EQ(editor.results.items,
              (std::vector<std::u16string>{u"001 01-1-005SmkFan", u"002 01-1-007SmkFan",
                                           u"003 01-1-009SmkFan"}));
    EXPECT_TRUE(editor.removeOutputEnabled);
    editor.results.select(1);
    editor.pressRemoveOutput();
    EXPECT_EQ(editor.results.items,
              (std::vector<std::u16string>{u"001 01-1-005SmkFan", u"002 01-1-009SmkFan"}));
    const auto chain =
        outputChain(store->linkageInputs.working, store->linkageResults.working, 0, 1);
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(store->linkageResults.working.record(chain[1])[2], 9);
}

TEST_F(LinkageEditorTest, PagesAreWalkedAddedAndDeleted) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    for (int page = 1; page <= 3; ++page) {
        completeCommonParts(editor, page - 1);
        completeInputs(editor.inputs);
        editor.inputs.fireSignals.select(page - 1);
        if (page < 3) {
            editor.pressAdd();
        }
    }
    EXPECT_EQ(editor.pageLabel(), u"Cond. 3/3");
    EXPECT_FALSE(editor.nextEnabled);
    editor.pressPrev();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/3");
    EXPECT_EQ(editor.inputs.fireSignals.text(), u"02");
    editor.pressDel();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.inputs.fireSignals.text(), u"03"); // the former page 3
    editor.toText = u"1";
    editor.pressTo();
    EXPECT_EQ(editor.inputs.fireSignals.text(), u"01");
    editor.toText = u"7";
    editor.pressTo();
    EXPECT_EQ(editor.page(), 1);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(countRules(store->linkageInputs.working, 1), 2);
}

TEST_F(LinkageEditorTest, DeletingTheOnlyRuleStartsAFreshOne) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    completeCommonParts(editor);
    editor.pressDel();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_FALSE(editor.delay.chosen());
    EXPECT_EQ(lowestFreeOutput(store->linkageResults.working), 0);
}

TEST_F(LinkageEditorTest, OkOnAnEmptyFirstPageKeepsTheLaterRules) {
    GeneralLinkageEditor first(*store, prompter);
    first.open();
    completeCommonParts(first);
    completeInputs(first.inputs);
    first.pressAdd();
    completeCommonParts(first, 1);
    completeInputs(first.inputs);
    ASSERT_TRUE(first.pressOk());
    // Page 1 emptied by hand (its output removed, nothing chosen), then OK.
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    editor.results.select(0);
    editor.pressRemoveOutput();
    editor.delay.selected = -1;
    editor.inputs.clear();
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(countRules(store->linkageInputs.working, 1), 1);
}

TEST_F(LinkageEditorTest, ExitRestoresBothTablesByteForByte) {
    GeneralLinkageEditor first(*store, prompter);
    first.open();
    completeCommonParts(first);
    completeInputs(first.inputs);
    ASSERT_TRUE(first.pressOk());
    store->linkageInputs.takeSavePoint();
    store->linkageResults.takeSavePoint();
    const LinkageInputTable inputs = store->linkageInputs.working;
    const LinkageResultTable results = store->linkageResults.working;

    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    editor.pressAdd();
    completeCommonParts(editor, 2);
    editor.pressDel();
    editor.pressExit();
    EXPECT_EQ(store->linkageInputs.working, inputs);
    EXPECT_EQ(store->linkageResults.working, results);
}

TEST_F(LinkageEditorTest, AFullPoolDisablesAdd) {
    LinkageInputTable& in = store->linkageInputs.working;
    for (int n = 0; n < LinkageInputTable::kRecords - 1; ++n) {
        ASSERT_TRUE(appendRule(in, store->linkageResults.working, 3));
    }
    GeneralLinkageEditor editor(*store, prompter);
    editor.open(); // takes the last record
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_FALSE(editor.addEnabled);
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
    EXPECT_EQ(head(2), 0);
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

TEST_F(LinkageEditorTest, TheEmptyViewShowsNoListSelection) {
    LinkageInputTable& in = store->linkageInputs.working;
    while (appendRule(in, store->linkageResults.working, 3)) {
    }
    GeneralLinkageEditor editor(*store, prompter);
    editor.open(); // no free record: nothing to show
    EXPECT_EQ(editor.page(), 0);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 0/0");
    for (const ListControl& list : editor.inputs.lists) {
        EXPECT_EQ(list.selected, -1);
    }
    EXPECT_FALSE(editor.addEnabled);
    EXPECT_TRUE(editor.pressOk());

    SpecificLinkageEditor specific(*store, prompter);
    specific.open();
    EXPECT_EQ(specific.page(), 0);
    for (const auto& row : specific.rows) {
        EXPECT_EQ(row.host.selected, -1);
        EXPECT_EQ(row.board.selected, -1);
    }
}

TEST(LinkageMenu, OkWritesBothFilesAsHeldAndExitWritesNothing) {
    test::WindowFixture w;
    w.dialogs.linkageEditor = [](LinkageEditor& editor) { return editor.pressOk(); };
    w.window.runCommand(32788);
    EXPECT_EQ(w.dialogs.linkageRuns, 1);
    const auto ldco = test::readAll(w.dataFile("M001LDCO.BIN"));
    ASSERT_EQ(ldco.size(), 180048u);
    EXPECT_EQ(ldco, Bytes(w.store->linkageInputs.working.bytes.begin(),
                          w.store->linkageInputs.working.bytes.end()));
    EXPECT_EQ(ldco[32] & ldco[33], 0xFF); // the automatic page went away again
    EXPECT_EQ(ldco[28] | ldco[29] | ldco[30] | ldco[31], 0);
    EXPECT_EQ(test::readAll(w.dataFile("M001LDRE.BIN")).size(), 40032u);

    std::filesystem::remove(w.dataFile("M001LDCO.BIN"));
    w.dialogs.linkageEditor = [](LinkageEditor& editor) {
        editor.pressAdd();
        return false;
    };
    w.window.runCommand(32793);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001LDCO.BIN")));
    EXPECT_FALSE(w.store->linkageInputs.modified());
}

} // namespace
} // namespace qb
