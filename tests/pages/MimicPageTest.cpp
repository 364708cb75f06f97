#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;

TEST(MimicPage, ShowsThirtyTwoModulesAndTheModeOfAFreshConfiguration) {
    WindowFixture w;
    w.window.runCommand(commands::kMimicSetup);
    const WindowState& s = w.window.state();
    EXPECT_EQ(s.title, u"Mimic Setup");
    ASSERT_EQ(s.grid.rows(), 33);
    EXPECT_EQ(w.cell(0, 0), u"Addr");
    EXPECT_EQ(w.cell(0, 1), u"Register");
    EXPECT_EQ(w.cell(32, 1), u"×");
    EXPECT_TRUE(s.mdmMode.visible);
    EXPECT_TRUE(s.mdmMode.checked);
    EXPECT_FALSE(s.resound.visible);
    w.window.showPage(PageId::Zone);
    EXPECT_FALSE(w.window.state().mdmMode.visible);
}

TEST(MimicPage, SaveWritesTheMimicFileWithAHeaderFromTheTemplate) {
    WindowFixture w;
    w.window.showPage(PageId::Mimic);
    w.window.doubleClickCell(3, 1);
    w.window.clickMdmMode();
    EXPECT_FALSE(w.window.state().mdmMode.checked);
    w.store->mimic.working.header.setCrc(0x1234); // as an export would leave it
    w.window.pressSave();
    const auto bytes = test::readAll(w.dataFile("M001MDM_.BIN"));
    ASSERT_EQ(bytes.size(), 68u);
    EXPECT_EQ(std::string(bytes.begin() + 14, bytes.begin() + 20), std::string("MDMDT\0", 6));
    EXPECT_EQ(bytes[28] | bytes[29], 0);
    EXPECT_EQ(bytes[32 + 2], 1);
    EXPECT_EQ(bytes[64], 0);
    EXPECT_FALSE(w.store->mimic.modified());

    w.window.doubleClickCell(0, 1); // module 1 shows "×": all registered
    w.window.pressCancel();
    EXPECT_EQ(w.cell(1, 1), u"×");
    EXPECT_EQ(w.cell(3, 1), u"√");
}

TEST(MimicPage, TheLedDialogNeedsARegisteredModule) {
    WindowFixture w;
    w.window.runCommand(commands::kMimicLinkageSetup);
    EXPECT_EQ(w.prompter.messages,
              (std::vector<test::FakePrompter::Message>{{"No Mimic register", "prompt"}}));
}

} // namespace
} // namespace qb
