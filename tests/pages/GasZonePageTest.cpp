#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;
using Message = test::FakePrompter::Message;
using Texts = std::vector<std::u16string>;

std::uint8_t& flag(WindowFixture& w, int zone) {
    return w.store->gasZones.working.zone(zone)[0];
}

TEST(GasZonePage, ShowsSixtyThreeZonesAndReportsEachBadFlagOnce) {
    WindowFixture w;
    flag(w, 2) = 2;
    flag(w, 5) = 1;
    flag(w, 64) = 9; // zone 64 has no row
    w.window.runCommand(commands::kGasZoneRegistration);
    const WindowState& s = w.window.state();
    EXPECT_EQ(s.title, u"Fire Alarm System set - Fire registry set");
    ASSERT_EQ(s.grid.rows(), 64);
    EXPECT_EQ((Texts{w.cell(0, 0), w.cell(63, 0), w.cell(1, 1), w.cell(2, 1), w.cell(5, 1)}),
              (Texts{u"Partition NO.", u"63", u"×", u"Error", u"√"}));
    EXPECT_FALSE(s.firstSelector.visible || s.resound.visible || s.mdmMode.visible);
    EXPECT_EQ(
        w.prompter.messages,
        (std::vector<Message>{
            {"Error in  QMP Registration Information!\nPlease set it correctly!", "Quillbarrow"}}));
}

TEST(GasZonePage, SaveWritesTheWholeTableWithAHeaderFromTheTemplate) {
    WindowFixture w;
    w.window.showPage(PageId::GasZones);
    w.window.doubleClickCell(3, 1);
    w.store->gasZones.working.header.setCrc(0x1234); // as an export would leave it
    w.window.pressSave();
    const auto bytes = test::readAll(w.dataFile("M001QMPS.BIN"));
    ASSERT_EQ(bytes.size(), 1056u);
    EXPECT_EQ(std::string(bytes.begin() + 14, bytes.begin() + 20), std::string("QMPDT\0", 6));
    EXPECT_EQ(bytes[28] | bytes[29] | bytes[30] | bytes[31], 0);
    EXPECT_EQ(bytes[32 + 2 * 16], 1);
    EXPECT_EQ(bytes[32 + 2 * 16 + 1], 0xA5); // the other fields as held
    EXPECT_FALSE(w.store->gasZones.modified());
}

TEST(GasZonePage, CancelShowsTheRestoredFlagsAtOnce) {
    WindowFixture w;
    w.window.showPage(PageId::GasZones);
    w.window.doubleClickCell(4, 1);
    w.window.pressSave();
    w.window.doubleClickCell(0, 1); // the caption; zone 1 shows "×": every zone registered
    EXPECT_EQ(w.cell(1, 1), u"√");
    w.window.pressCancel();
    EXPECT_EQ(w.cell(1, 1), u"×");
    EXPECT_EQ(w.cell(4, 1), u"√");
    EXPECT_EQ(w.cell(63, 1), u"×");
    EXPECT_FALSE(w.store->gasZones.modified());
}

} // namespace
} // namespace qb
