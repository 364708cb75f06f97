#include "base/CellText.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;

// Opens "Find Device" and types `text` into it.
FindDeviceDialog& find(WindowFixture& w, const std::u16string& text) {
    EXPECT_TRUE(w.window.runCommand(commands::kFindDevice));
    EXPECT_NE(w.dialogs.findDevice, nullptr);
    w.dialogs.findDevice->type(text);
    return *w.dialogs.findDevice;
}

TEST(FindDevice, ActivatingAHitShowsItsPageBoardAndRow) {
    WindowFixture w;
    w.store->ioBoards.working.registration(2) = 1;
    w.store->ioBoards.working.registration(5) = 1;
    w.store->devices(5).working.device(1, 123).position.assign(u"Küche Herd");
    w.store->zones.working.zone(7).name.assign(u"KÜCHE");
    w.store->displays.working.display(3).name.assign(u"Tafel Küche");

    FindDeviceDialog& dialog = find(w, u"küche");
    ASSERT_EQ(dialog.hits().size(), 3u);
    EXPECT_EQ(dialog.note(), u"3 found");
    EXPECT_EQ(dialog.chosen(), 0);
    EXPECT_EQ(dialog.row(2),
              (std::array<std::u16string, 6>{u"05", u"1", u"123", u"OptDet", u"1", u"Küche Herd"}));
    EXPECT_EQ(dialog.row(0)[0], u"Zone 7");

    const WindowState& state = w.window.state();
    dialog.choose(2);
    EXPECT_TRUE(w.dialogs.showFoundHit());
    EXPECT_EQ(state.page, PageId::Devices);
    EXPECT_EQ(state.firstSelector.items.at(state.firstSelector.current), u"05");
    EXPECT_EQ(state.focus.row, 123);
    EXPECT_EQ(w.cell(0, state.focus.column), u"Position");
    EXPECT_EQ(w.cell(123, state.focus.column), u"Küche Herd");
    const int serial = state.focus.serial;

    dialog.choose(1);
    w.dialogs.showFoundHit();
    EXPECT_EQ(state.page, PageId::Display);
    EXPECT_EQ(state.focus.row, 3);
    EXPECT_EQ(w.cell(3, state.focus.column), u"Tafel Küche");
    EXPECT_GT(state.focus.serial, serial); // the same row again is a new request

    dialog.choose(0);
    w.dialogs.showFoundHit();
    EXPECT_EQ(state.page, PageId::Zone);
    EXPECT_EQ(w.cell(7, state.focus.column), u"KÜCHE");
}

// A search that finds thousands lists the first ones and says so; all are still found.
TEST(FindDevice, AHugeResultListsTheFirstHitsOnly) {
    WindowFixture w;
    FindDeviceDialog& dialog = find(w, u"addr"); // every start-up position of the virtual boards
    const auto found = static_cast<int>(dialog.hits().size());
    ASSERT_GT(found, FindDeviceDialog::kMostListed);
    EXPECT_EQ(dialog.listed(), FindDeviceDialog::kMostListed);
    EXPECT_EQ(dialog.note(), numberText(found) + u" found; the first 500 are listed: type more to "
                                                 u"narrow");
    dialog.choose(FindDeviceDialog::kMostListed);
    EXPECT_EQ(dialog.chosen(), -1);
}

TEST(FindDevice, SaysWhyAPlaceNoPageShowsIsNotShown) {
    WindowFixture w;
    w.store->ioBoards.working.registration(2) = 1;
    w.store->devices(2).working.device(2, 9).position.assign(u"Keller");
    w.store->devices(4).working.device(1, 9).position.assign(u"Kellerabgang");

    FindDeviceDialog& dialog = find(w, u"keller");
    ASSERT_EQ(dialog.hits().size(), 2u);
    const int serial = w.window.state().focus.serial;
    EXPECT_FALSE(w.dialogs.showFoundHit());
    EXPECT_EQ(
        dialog.note(),
        u"The Detector/Module page shows loop 1 only: board 02 loop 2 address 9 is not on it");
    dialog.choose(1);
    EXPECT_FALSE(w.dialogs.showFoundHit());
    EXPECT_EQ(dialog.note(), u"The Detector/Module page does not offer board 04: only IO boards "
                             u"registered on the IO-Board page");
    EXPECT_EQ(w.window.state().focus.serial, serial);

    // Opened again, it searches again: the store may have changed meanwhile.
    w.store->devices(2).working.device(2, 9).position.assign(u"Dach");
    EXPECT_TRUE(w.window.runCommand(commands::kFindDevice));
    EXPECT_EQ(dialog.text(), u"keller");
    EXPECT_EQ(dialog.hits().size(), 1u);
}

} // namespace
} // namespace qb
