#include "files/DisplayFile.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;

class DisplayPageTest : public ::testing::Test {
protected:
    DisplayPageTest() { w.window.runCommand(commands::kDisplaySetup); }
    WindowFixture w;
};

TEST_F(DisplayPageTest, ShowsThirtyDisplaysWithTypeZoneAndPosition) {
    w.store->displays.working.display(2).type = 1;
    w.store->displays.working.display(3).type = 9;
    w.store->displays.working.display(4).zone = 31;
    w.window.showPage(PageId::Display);
    EXPECT_EQ(w.window.state().title, u"Fire Alarm System --> Display Setup");
    ASSERT_EQ(w.grid().rows(), 31);
    ASSERT_EQ(w.grid().columns(), 5);
    EXPECT_EQ(w.cell(0, 2), u"Type");
    EXPECT_EQ(w.cell(1, 1), u"×");
    EXPECT_EQ(w.cell(1, 2), u"Zone-Disp");
    EXPECT_EQ(w.cell(2, 2), u"All-Disp");
    EXPECT_EQ(w.cell(3, 2), u"");
    EXPECT_EQ(w.cell(1, 3), u"1");
    EXPECT_EQ(w.cell(4, 3), u"32");
    EXPECT_FALSE(w.window.state().resound.visible);
}

TEST_F(DisplayPageTest, TheTypeListPreselectsOnlyAnEntryOfTheSameText) {
    w.store->displays.working.display(2).type = 1;
    w.window.showPage(PageId::Display);
    w.window.clickCell(2, 2); // shows "All-Disp"; the entry reads "ALL-Disp"
    const CellEditor& editor = w.window.state().editor;
    EXPECT_EQ(editor.kind, CellEditor::Kind::List);
    EXPECT_EQ(editor.items, (std::vector<std::u16string>{u"ALL-Disp", u"Zone-Disp"}));
    EXPECT_EQ(editor.selected, -1);
    w.window.commitCellList(0, u"");
    EXPECT_EQ(w.cell(2, 2), u"ALL-Disp");
    w.window.clickCell(2, 2);
    EXPECT_EQ(w.window.state().editor.selected, 0);
    w.window.clickCell(1, 2);
    EXPECT_EQ(w.window.state().editor.selected, 1);

    // Without a selection the edit part's text is looked up; unknown text commits nothing.
    w.window.commitCellList(-1, u"ALL-Disp");
    EXPECT_EQ(w.store->displays.working.display(1).type, 1);
    w.window.clickCell(1, 2);
    w.window.commitCellList(-1, u"Zone");
    EXPECT_EQ(w.store->displays.working.display(1).type, 1);
    EXPECT_FALSE(w.window.state().editor.open());
}

TEST_F(DisplayPageTest, ZoneAcceptsOneToThirtyTwoOnly) {
    w.window.clickCell(5, 3);
    EXPECT_TRUE(w.window.state().editor.digitsOnly);
    EXPECT_EQ(w.window.state().editor.maxLength, 2);
    w.window.commitTextEditor(u"7");
    EXPECT_EQ(w.store->displays.working.display(5).zone, 6);
    for (const char16_t* refused : {u"33", u"0", u""}) {
        w.type(5, 3, refused);
        EXPECT_EQ(w.store->displays.working.display(5).zone, 6);
        EXPECT_EQ(w.cell(5, 3), u"7");
    }
    // An emptied cell reads as 0, as every typed number without digits does.
    EXPECT_EQ(w.prompter.messages,
              (std::vector<test::FakePrompter::Message>{
                  {"Zone must be between 1 and 32; 33 was not stored.", "Quillbarrow"},
                  {"Zone must be between 1 and 32; 0 was not stored.", "Quillbarrow"},
                  {"Zone must be between 1 and 32; 0 was not stored.", "Quillbarrow"}}));
}

TEST_F(DisplayPageTest, PositionTakesTwelveCharactersAndSaveWritesTheDisplayFile) {
    w.window.clickCell(6, 4);
    EXPECT_EQ(w.window.state().editor.maxLength, 12);
    w.window.commitTextEditor(u"Reception 12X");
    EXPECT_EQ(w.store->displays.working.display(6).name.view(), u"Reception 12");
    w.window.doubleClickCell(6, 1);
    w.window.pressSave();
    const auto bytes = test::readAll(w.dataFile("M001FSD_.BIN"));
    EXPECT_EQ(bytes, buildDisplayFile(w.store->displays.working, FileVariant::PageSave).bytes);
    EXPECT_EQ(bytes[32 + 44 * 5], 1);
    EXPECT_FALSE(w.store->displays.modified());

    // An emptied name is saved empty.
    w.type(6, 4, u"");
    w.window.pressSave();
    const auto emptied = test::readAll(w.dataFile("M001FSD_.BIN"));
    EXPECT_EQ(emptied[32 + 44 * 5 + 3], 0);
    EXPECT_EQ(emptied[32 + 44 * 5 + 4], 0);
}

TEST_F(DisplayPageTest, BadRegistrationAndCancel) {
    w.store->displays.working.display(30).registration = 5;
    w.window.showPage(PageId::Display);
    EXPECT_EQ(w.cell(30, 1), u"Error");
    EXPECT_EQ(w.prompter.texts(),
              (std::vector<std::string>{"Error in FSD Registration Information!\nPlease set it "
                                        "correctly!"}));
    w.window.doubleClickCell(0, 1); // display 1 shows "×": every display registered
    EXPECT_EQ(w.store->displays.working.display(30).registration, 1);
    w.window.pressCancel();
    EXPECT_EQ(w.store->displays.working.display(1).registration, 0);
    EXPECT_EQ(w.cell(1, 1), u"×");
}

} // namespace
} // namespace qb
