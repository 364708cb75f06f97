#include "LinkageEditorFixture.h"
#include "linkage/GeneralLinkageEditor.h"
#include "linkage/LinkageRules.h"
#include "linkage/SpecificLinkageEditor.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::LinkageEditorTest;

// The pager and the output list that every linkage editor shares, seen through the general one.

TEST_F(LinkageEditorTest, OpeningWithoutARuleCreatesPageOneWhichOkRemovesAgain) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.page(), 1);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_EQ(head(LinkageKind::General), 0);
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
    const std::string notComplete =
        "The Page content not complete!\nNo delay is chosen. No input type is chosen. No number "
        "of fire signals is chosen. No output module is chosen.";
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{notComplete, notComplete}));
    EXPECT_TRUE(editor.pressOk());
    EXPECT_EQ(head(LinkageKind::General), 0xFFFF);
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
    const auto chain = outputChain(store->linkageInputs.working, store->linkageResults.working, 0,
                                   LinkageKind::General);
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
    EXPECT_EQ(countRules(store->linkageInputs.working, LinkageKind::General), 2);
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
    EXPECT_EQ(countRules(store->linkageInputs.working, LinkageKind::General), 1);
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
        ASSERT_TRUE(appendRule(in, store->linkageResults.working, LinkageKind::Building));
    }
    GeneralLinkageEditor editor(*store, prompter);
    editor.open(); // takes the last record
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_FALSE(editor.addEnabled);
}

TEST_F(LinkageEditorTest, TheEmptyViewShowsNoListSelection) {
    LinkageInputTable& in = store->linkageInputs.working;
    while (appendRule(in, store->linkageResults.working, LinkageKind::Building)) {
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
    w.window.runCommand(commands::kGeneralLinkageSetup);
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
    w.window.runCommand(commands::kSpecificLinkageSetup);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001LDCO.BIN")));
    EXPECT_FALSE(w.store->linkageInputs.modified());
}

} // namespace
} // namespace qb
