#include "files/ZoneFile.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace qb {
namespace {

using test::WindowFixture;

TEST(ZonePage, IsShownAfterStartWithItsCaptionsMarksAndNames) {
    WindowFixture w;
    w.store->zones.working.zone(2).name.assign(u"Lobby");
    w.window.showPage(PageId::Zone);
    const WindowState& s = w.window.state();
    EXPECT_EQ(s.title, u"Fire Alarm System --> Zone Setup");
    ASSERT_EQ(s.grid.rows(), 33);
    ASSERT_EQ(s.grid.columns(), 3);
    EXPECT_EQ(w.cell(0, 0), u"Zone");
    EXPECT_EQ(w.cell(0, 1), u"Register");
    EXPECT_EQ(w.cell(0, 2), u"Position");
    EXPECT_EQ(s.grid.width(2), 5647);
    EXPECT_EQ(w.cell(32, 0), u"32");
    EXPECT_EQ(w.cell(1, 1), u"√");
    EXPECT_EQ(w.cell(2, 1), u"×");
    EXPECT_EQ(w.cell(2, 2), u"Lobby");
    EXPECT_TRUE(s.resound.visible);
    EXPECT_FALSE(s.share.visible);
    EXPECT_FALSE(s.firstSelector.visible);
    EXPECT_TRUE(w.prompter.messages.empty());
}

TEST(ZonePage, ShowsSixteenZonesUnderTheOneLoopCodeAndTheCaptionTogglesOnlyThose) {
    WindowFixture w(SystemCode::OneLoop);
    EXPECT_EQ(w.grid().rows(), 17);
    w.window.doubleClickCell(0, 1); // zone 1 shows "√": everything off
    for (int z = 1; z <= 16; ++z) {
        EXPECT_EQ(w.store->zones.working.zone(z).registration, 0);
    }
    w.window.doubleClickCell(0, 1);
    for (int z = 1; z <= 16; ++z) {
        EXPECT_EQ(w.store->zones.working.zone(z).registration, 1);
        EXPECT_EQ(w.cell(z, 1), u"√");
    }
    EXPECT_EQ(w.store->zones.working.zone(17).registration, 0);
}

TEST(ZonePage, ABadRegistrationShowsErrorWithItsMessageAndStaysUntilToggled) {
    WindowFixture w;
    w.store->zones.working.zone(4).registration = 7;
    w.store->zones.working.zone(9).registration = 2;
    w.window.showPage(PageId::Zone);
    EXPECT_EQ(w.cell(4, 1), u"Error");
    EXPECT_EQ(
        w.prompter.messages,
        (std::vector<test::FakePrompter::Message>{
            {"Error in Zone-4 Registration Information!\nPlease set it correctly!", "Quillbarrow"},
            {"Error in Zone-9 Registration Information!\nPlease set it correctly!",
             "Quillbarrow"}}));
    EXPECT_EQ(w.store->zones.working.zone(4).registration, 7);
    w.window.doubleClickCell(4, 1);
    EXPECT_EQ(w.store->zones.working.zone(4).registration, 1);
    EXPECT_EQ(w.cell(4, 1), u"√");
}

TEST(ZonePage, OnlyThePositionColumnOpensAnEditorOfTwelveCharacters) {
    WindowFixture w;
    w.window.clickCell(3, 1);
    EXPECT_FALSE(w.window.state().editor.open());
    w.window.clickCell(3, 0);
    EXPECT_FALSE(w.window.state().editor.open());
    w.window.clickCell(3, 2);
    const CellEditor& editor = w.window.state().editor;
    EXPECT_EQ(editor.kind, CellEditor::Kind::Text);
    EXPECT_EQ(editor.maxLength, 12);
    EXPECT_FALSE(editor.digitsOnly);
    w.window.commitTextEditor(u"ABCDEFGHIJKLM");
    EXPECT_FALSE(w.window.state().editor.open());
    EXPECT_EQ(w.store->zones.working.zone(3).name.view(), u"ABCDEFGHIJKL");
    EXPECT_EQ(w.cell(3, 2), u"ABCDEFGHIJKL");
    // A commit without an open editor changes nothing.
    w.window.commitTextEditor(u"stray");
    EXPECT_EQ(w.cell(3, 2), u"ABCDEFGHIJKL");
}

TEST(ZonePage, ANameOverTwelveBytesIsRefusedAsItIsCommittedAndTheOldNameStays) {
    WindowFixture w;
    w.type(3, 2, u"Küche");
    w.type(3, 2, u"Küche Süd 北京"); // 12 characters, 18 bytes
    EXPECT_EQ(w.store->zones.working.zone(3).name.view(), u"Küche");
    EXPECT_EQ(w.cell(3, 2), u"Küche");
    EXPECT_EQ(w.prompter.messages, (std::vector<test::FakePrompter::Message>{
                                       {"Input string too long for Zone-3 Position!\nThe limit "
                                        "is 12 bytes; this text has 18 bytes.",
                                        "Quillbarrow"}}));
    w.type(3, 2, u"Küche SüdX"); // exactly 12 bytes
    EXPECT_EQ(w.store->zones.working.zone(3).name.view(), u"Küche SüdX");
    EXPECT_EQ(w.prompter.messages.size(), 1u);
}

TEST(ZonePage, SaveWritesTheZoneFileOfTheCurrentHostAndTakesTheSavePoint) {
    WindowFixture w;
    w.type(2, 2, u"Küche");
    w.window.clickResound();
    w.window.pressSave();
    EXPECT_TRUE(w.prompter.messages.empty());
    const auto bytes = test::readAll(w.dataFile("M001ZONE.BIN"));
    EXPECT_EQ(bytes, buildZoneFile(w.store->zones.working, FileVariant::PageSave).bytes);
    ASSERT_EQ(bytes.size(), 548u);
    EXPECT_EQ(std::string(bytes.begin() + 49, bytes.begin() + 56), std::string("K\xC3\xBC"
                                                                               "che\0",
                                                                               7));
    EXPECT_EQ(bytes[544], 1);
    EXPECT_EQ(bytes[28] | bytes[29] | bytes[30] | bytes[31], 0);
    EXPECT_FALSE(w.store->zones.modified());
}

TEST(ZonePage, SaveRefusesTooLongNamesAndWritesNothing) {
    WindowFixture w;
    // Typing refuses such names; a loaded set can still hold them.
    w.store->zones.working.zone(4).name.assign(u"火警区域A");  // 13 bytes of UTF-8
    w.store->zones.working.zone(7).name.assign(u"一二三四五"); // 15
    w.window.pressSave();
    EXPECT_EQ(w.prompter.messages,
              (std::vector<test::FakePrompter::Message>{
                  {"Input string too long,Line 4\nThe limit is 12 bytes; this text has 13 bytes.",
                   "Quillbarrow"},
                  {"Input string too long,Line 7\nThe limit is 12 bytes; this text has 15 bytes.",
                   "Quillbarrow"}}));
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001ZONE.BIN")));
    EXPECT_TRUE(w.store->zones.modified());
    EXPECT_EQ(w.store->zones.working.zone(4).name.view(), u"火警区域A");
}

TEST(ZonePage, AFailedWriteIsReportedByNameAndKeepsTheSavePoint) {
    WindowFixture w;
    std::filesystem::remove_all(w.store->dataFolder());
    test::writeAll(w.store->dataFolder(), {0}); // a file named "Data"
    w.type(1, 2, u"North");
    w.window.pressSave();
    ASSERT_EQ(w.prompter.messages.size(), 1u);
    EXPECT_NE(w.prompter.messages[0].text.find("M001ZONE.BIN"), std::string::npos);
    EXPECT_EQ(w.prompter.messages[0].caption, "Error");
    EXPECT_TRUE(w.store->zones.modified());
}

TEST(ZonePage, CancelRestoresNamesRegistrationsAndTheResoundTick) {
    WindowFixture w;
    w.type(1, 2, u"Saved");
    w.window.pressSave();
    w.type(1, 2, u"Edited");
    w.window.doubleClickCell(5, 1);
    w.window.clickResound();
    EXPECT_TRUE(w.window.state().resound.checked);
    w.window.pressCancel();
    EXPECT_EQ(w.cell(1, 2), u"Saved");
    EXPECT_EQ(w.cell(5, 1), u"×");
    EXPECT_FALSE(w.window.state().resound.checked);
    EXPECT_FALSE(w.store->zones.modified());
}

} // namespace
} // namespace qb
