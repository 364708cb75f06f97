#include "files/NetworkFile.h"
#include "files/SystemSettingsFile.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;

TEST(NetPage, ShowsEveryHostTheHostSelectorAndShare) {
    WindowFixture w;
    w.window.runCommand(commands::kNetSetup);
    const WindowState& s = w.window.state();
    EXPECT_EQ(s.title, u"Fire Alarm System --> NET Setup");
    ASSERT_EQ(s.grid.rows(), 255);
    EXPECT_EQ(w.cell(0, 1), u"Register");
    EXPECT_EQ(w.cell(0, 2), u"CRT");
    EXPECT_EQ(w.cell(254, 0), u"254");
    EXPECT_EQ(w.cell(1, 1), u"√");
    EXPECT_EQ(w.cell(1, 2), u"×");
    EXPECT_TRUE(s.firstSelector.visible);
    EXPECT_EQ(s.firstSelector.label, u"Host:");
    ASSERT_EQ(s.firstSelector.items.size(), 254u);
    EXPECT_EQ(s.firstSelector.items[0], u"001");
    EXPECT_EQ(s.firstSelector.items[253], u"254");
    EXPECT_EQ(s.firstSelector.current, 0);
    EXPECT_TRUE(s.share.visible);
    EXPECT_FALSE(s.resound.visible);
}

TEST(NetPage, BadRegistrationsAndHostTypesEachRaiseTheirMessage) {
    WindowFixture w;
    w.store->network.working.hostRegistration(3) = 9;
    w.store->network.working.hostType(3) = 1;
    w.store->network.working.hostType(8) = 3;
    w.window.showPage(PageId::Net);
    EXPECT_EQ(w.cell(3, 1), u"Error");
    EXPECT_EQ(w.cell(3, 2), u"Error");
    EXPECT_EQ(w.cell(8, 2), u"√");
    EXPECT_EQ(w.prompter.texts(),
              (std::vector<std::string>{
                  "Error in Network Registration Information!\nPlease set it correctly!",
                  "Error in Network HostType Information!\nPlease set it correctly!"}));
    w.window.doubleClickCell(3, 2);
    EXPECT_EQ(w.store->network.working.hostType(3), 3);
    w.window.doubleClickCell(3, 2);
    EXPECT_EQ(w.store->network.working.hostType(3), 0);
}

TEST(NetPage, ChoosingAHostRegistersItAndRenamesEveryFileSaved) {
    WindowFixture w;
    w.window.showPage(PageId::Net);
    w.window.chooseFirstSelector(4); // "005"
    EXPECT_EQ(w.store->hostIndex(), 4);
    EXPECT_EQ(w.store->network.working.hostRegistration(5), 1);
    EXPECT_EQ(w.store->network.working.hostRegistration(1), 1);
    EXPECT_EQ(w.cell(5, 1), u"√");

    w.store->network.working.header.setCrc(0xABCDEF01); // as a load would leave it
    w.window.pressSave();
    EXPECT_TRUE(w.prompter.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001NET_.BIN")));
    const auto net = test::readAll(w.dataFile("M005NET_.BIN"));
    ASSERT_EQ(net.size(), 3120u);
    EXPECT_EQ(net, buildNetworkFile(w.store->network.working, w.store->headerTemplate(),
                                    FileVariant::PageSave)
                       .bytes);
    EXPECT_EQ(net[32], 4);
    EXPECT_EQ(net[28] | net[29] | net[30] | net[31], 0); // header rebuilt from the template
    EXPECT_EQ(w.store->network.working.header.crc(), 0u);
    const auto sys = test::readAll(w.dataFile("M005SYS_.BIN"));
    EXPECT_EQ(sys, buildSystemSettingsFile(w.store->systemSettings.working).bytes);

    // Zone page Save now writes host 5's zone file.
    w.window.showPage(PageId::Zone);
    w.window.pressSave();
    EXPECT_TRUE(std::filesystem::exists(w.dataFile("M005ZONE.BIN")));
}

TEST(NetPage, CaptionDoubleClickUnregistersAllHostsWhenTheFirstShowsRegistered) {
    WindowFixture w;
    w.window.showPage(PageId::Net);
    w.window.chooseFirstSelector(6);
    w.window.doubleClickCell(0, 1);
    for (int h = 1; h <= 254; ++h) {
        ASSERT_EQ(w.store->network.working.hostRegistration(h), 0) << h;
    }
    EXPECT_EQ(w.cell(7, 1), u"×");
}

TEST(NetPage, CancelReturnsToTheSavedHostAndShareFlag) {
    WindowFixture w;
    w.window.showPage(PageId::Net);
    w.window.chooseFirstSelector(6);
    w.window.clickShare();
    EXPECT_TRUE(w.window.state().share.checked);
    w.store->systemSettings.working.setCanRate(10000);
    w.window.pressCancel();
    EXPECT_EQ(w.store->hostIndex(), 0);
    EXPECT_EQ(w.window.state().firstSelector.current, 0);
    EXPECT_FALSE(w.window.state().share.checked);
    EXPECT_EQ(w.store->network.working.hostRegistration(7), 0);
    EXPECT_EQ(w.store->systemSettings.working.canRate(), 100000u);
}

} // namespace
} // namespace qb
