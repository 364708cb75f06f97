#include "LinkageEditorFixture.h"
#include "linkage/GeneralLinkageEditor.h"
#include "linkage/SpecificLinkageEditor.h"
#include "linkage/ZoneLinkageEditor.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::LinkageEditorTest;

// Why a list the installer picks from is empty, and what an incomplete page lacks.

TEST_F(LinkageEditorTest, AnEmptyLoopsModuleListNamesBoardLoopAndWhatToSet) {
    GeneralLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.modules.emptyReason, u"no board chosen: choose one to list what it holds");
    editor.chooseBoard(0);
    editor.chooseLoop(1); // loop 2 of board 01 holds nothing
    EXPECT_TRUE(editor.modules.items.empty());
    EXPECT_FALSE(editor.modules.chosen());
    EXPECT_EQ(editor.modules.emptyReason, u"no output modules on board 01 loop 2: set an output "
                                          u"product type on the Detector/Module page");
    editor.chooseLoop(0);
    EXPECT_EQ(editor.modules.items.size(), 3u);
    EXPECT_TRUE(editor.modules.emptyReason.empty());

    // Without a fitted board the board list and the module list both say so.
    store->ioBoards.working.registration(1) = 0;
    editor.open();
    const std::u16string noBoards =
        u"no IO boards registered: register IO boards on the IO-Board page";
    EXPECT_EQ(editor.boards.emptyReason, noBoards);
    EXPECT_EQ(editor.modules.emptyReason, noBoards);
}

TEST_F(LinkageEditorTest, TheZoneListSaysWhereToRegisterZones) {
    for (int zone = 1; zone <= ZoneTable::kZones; ++zone) {
        store->zones.working.zone(zone).registration = 0;
    }
    ZoneLinkageEditor editor(*store, prompter);
    editor.open();
    EXPECT_TRUE(editor.zones.items.empty());
    EXPECT_EQ(editor.zones.emptyReason, u"no zones registered: register zones on the Zone page");

    store->zones.working.zone(4).registration = 1;
    editor.open();
    EXPECT_EQ(editor.zones.items, std::vector<std::u16string>{u"04"});
    EXPECT_TRUE(editor.zones.emptyReason.empty());
}

TEST_F(LinkageEditorTest, AnIncompletePageNamesWhatItLacksOnASecondLine) {
    SpecificLinkageEditor editor(*store, prompter);
    editor.open();
    completeCommonParts(editor);
    editor.rows[0].host.select(1); // a row without a board
    EXPECT_FALSE(editor.pressOk());
    editor.delay.select(-1);
    editor.results.select(0);
    editor.pressRemoveOutput();
    editor.pressNext();
    EXPECT_EQ(editor.results.emptyReason,
              u"nothing added yet: choose an entry in the Module List and press <<");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "The Page content not complete!\nNo input row has its Host, IO-Board and Addr.",
                  "The Page content not complete!\nNo delay is chosen. No input row has its "
                  "Host, IO-Board and Addr. No output module is chosen."}));
}

} // namespace
} // namespace qb
