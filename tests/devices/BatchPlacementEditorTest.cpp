#include "devices/BatchPlacementEditor.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "files/SetFixture.h"
#include "pages/MainMenu.h"
#include "pages/PageFileWriter.h"
#include "support/SystemCodeNames.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qb {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// The dialog as it opens over a fresh store, its lists chosen by their texts.
struct Placement : test::Installation {
    explicit Placement(SystemCode code = SystemCode::TwoLoopSo3) : Installation(code) {}

    BatchPlacementEditor& open() {
        editor = std::make_unique<BatchPlacementEditor>(
            *store, prompter, BatchPlacementEditor::FileWriter{writePageFile});
        editor->open();
        return *editor;
    }
    bool set(const char16_t* start, const char16_t* end, const char16_t* board = nullptr,
             const char16_t* loop = nullptr) {
        if (board) {
            editor->chooseBoard(indexOf(editor->boards, board));
        }
        if (loop) {
            editor->chooseLoop(indexOf(editor->loops, loop));
        }
        editor->startText = start;
        editor->endText = end;
        return editor->pressSet();
    }
    static int indexOf(const ListControl& list, const char16_t* text) {
        const auto found = std::find(list.items.begin(), list.items.end(), text);
        return found == list.items.end() ? -1 : static_cast<int>(found - list.items.begin());
    }

    std::unique_ptr<BatchPlacementEditor> editor;
};

TEST(BatchPlacement, ChecksInOrderAndARefusalChangesNothing) {
    const std::tuple<const char16_t*, const char16_t*, const char*> cases[] = {
        {u"", u"", "Please enter the start address!"}, // "No Set" on every board needs no loop
        {u"0", u"", "The start address must not be less than 1!"},
        {u"x", u"5", "The start address must not be less than 1!"},
        {u"5", u"", "Please enter the end address!"},
        {u"325", u"1", "The end address cannot be greater than 324!"},
        {u"1", u"325", "The end address cannot be greater than 324!"},
        {u"5", u"x", "The start address cannot be greater than the end address!"},
    };
    for (const auto& [start, end, message] : cases) {
        Placement p;
        p.open();
        EXPECT_FALSE(p.set(start, end));
        EXPECT_EQ(p.prompter.texts(), Names{message});
        EXPECT_EQ(p.prompter.messages.front().caption, kProgramName);
        EXPECT_EQ(p.store->devices(1).working.device(1, 5).registration, 0) << message;
        EXPECT_TRUE(test::namesIn(p.store->dataFolder()).empty()) << message;
    }
    // One board with the loop still at "No Set" is refused before anything else.
    Placement p;
    p.open().boards.select(0);
    EXPECT_FALSE(p.set(u"", u""));
    EXPECT_EQ(p.prompter.texts(), Names{"Please Choose Loop!"});
}

TEST(BatchPlacement, V2Loop2WritesTheV2FileOfTheChosenHostAndTakesTheSavedCopy) {
    Placement p;
    p.store->network.working.hostRegistration(7) = 1;
    p.store->zones.working.zone(3).registration = 1;
    BatchPlacementEditor& editor = p.open();
    EXPECT_EQ(editor.hosts.items, (std::vector<std::u16string>{u"001", u"007"}));
    editor.chooseHost(1);
    editor.chooseZone(p.indexOf(editor.zones, u"03"));
    EXPECT_TRUE(p.set(u"7", u"7", u"V2", u"02"));
    EXPECT_EQ(p.prompter.texts(), Names{"Set successfully!"});
    EXPECT_EQ(p.store->devices(42).working.device(2, 7).loopIndex, 83);
    EXPECT_FALSE(p.store->devices(42).modified());
    EXPECT_EQ(test::namesIn(p.store->dataFolder()), Names{"M007ID7E.BIN"});
    const Bytes written = test::readAll(p.data("M007ID7E.BIN"));
    ASSERT_EQ(written.size(), 27248u);
    const std::size_t at = 32 + (324 + 6) * 42; // loop 2, address 7
    EXPECT_EQ(Bytes(written.begin() + at, written.begin() + at + 6), (Bytes{1, 0, 7, 0, 83, 2}));
    EXPECT_EQ(written[at + 42], 0); // address 8 stays unregistered
}

TEST(BatchPlacement, OnlyRegistrationAddressLoopAndZoneChange) {
    Placement p;
    DeviceRecord& kept = p.store->devices(1).working.device(1, 10);
    kept = {5, 9, 99, 77, 4, 14, 52, 0, 2, {7, 8}, {}};
    kept.position.assign(u"Hall");
    BoardDevices expected = p.store->devices(1).working;
    expected.device(1, 10) = {1, 0, 10, 0, 0, 14, 52, 0, 2, {7, 8}, kept.position}; // zone 1
    p.open();
    EXPECT_TRUE(p.set(u"10", u"10", u"01", u"01"));
    EXPECT_EQ(p.store->devices(1).working, expected);
}

TEST(BatchPlacement, AFileNotWrittenIsReportedAndKeepsItsBoardsSavedCopy) {
    Placement p;
    p.store->devices(1).working.device(2, 20).position.assign(std::u16string(10, u'\u20AC'));
    p.store->devices(1).takeSavePoint();
    const BoardDevices saved1 = p.store->devices(1).saved;
    const BoardDevices saved2 = p.store->devices(2).saved;
    fs::create_directory(p.data("M001ID02.BIN"));
    p.open();
    EXPECT_FALSE(p.set(u"1", u"2"));
    ASSERT_EQ(p.prompter.messages.size(), 1u); // one box for the whole Set, and no success
    const std::string& report = p.prompter.messages[0].text;
    EXPECT_EQ(report.find("Input string too long,Line 20\n"), 0u) << report;
    EXPECT_NE(report.find("M001ID02.BIN"), std::string::npos) << report;
    EXPECT_FALSE(fs::exists(p.data("M001ID01.BIN")));
    EXPECT_EQ(p.store->devices(1).saved, saved1);
    EXPECT_EQ(p.store->devices(2).saved, saved2);
    EXPECT_EQ(p.store->devices(2).working.device(1, 2).registration, 1);
    EXPECT_FALSE(p.store->devices(40).modified()); // the boards after them were still written
}

TEST(BatchPlacement, TheDevicePageShowsWhatWasPlacedWhenTheDialogCloses) {
    test::WindowFixture w;
    w.window.showPage(PageId::Devices);
    w.dialogs.batchPlacement = [](BatchPlacementEditor& editor) {
        editor.chooseBoard(0);
        editor.startText = editor.endText = u"4";
        return editor.pressSet();
    };
    ASSERT_TRUE(w.window.runCommand(commands::kBatchDevicePlacement));
    EXPECT_EQ(w.cell(4, 1), u"√");
}

class BatchPlacementOnEveryBoard : public ::testing::TestWithParam<SystemCode> {};

TEST_P(BatchPlacementOnEveryBoard, WritesTheFortyFilesThatLoadDataReadsBackExactly) {
    Placement p(GetParam());
    const auto expected = ConfigStore::create(RunState::begin(GetParam(), p.program.path()));
    p.open();
    ASSERT_TRUE(p.set(u"10", u"12"));
    EXPECT_EQ(p.prompter.texts(), Names{"Set successfully!"});
    Names names;
    for (int j = 1; j <= 40; ++j) {
        names.push_back(fileName(0, deviceFileName(j)));
        EXPECT_FALSE(p.store->devices(j).modified()) << j;
        EXPECT_EQ(fs::file_size(p.data(names.back())),
                  GetParam() == SystemCode::TwoLoopSo12 ? 16880u : 27248u);
    }
    EXPECT_EQ(test::namesIn(p.store->dataFolder()), names);

    const auto loaded = ConfigStore::create(RunState::begin(GetParam(), p.program.path()));
    loadData(*loaded, p.prompter);
    int registered = 0;
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        for (int loop = 1; loop <= 2 && j <= 40; ++loop) {
            for (int address = 10; address <= 12; ++address) {
                expected->devices(j).working.device(loop, address).registration = 1;
            }
        }
        EXPECT_EQ(p.store->devices(j).working, expected->devices(j).working) << j;
        EXPECT_EQ(loaded->devices(j).working, expected->devices(j).working) << j;
        for (const DeviceRecord& d : loaded->devices(j).working.records) {
            registered += d.registration;
        }
    }
    EXPECT_EQ(registered, 240);
    EXPECT_EQ(loaded->zones.working, expected->zones.working);
    EXPECT_EQ(loaded->ioBoards.working, expected->ioBoards.working);
}

INSTANTIATE_TEST_SUITE_P(Codes, BatchPlacementOnEveryBoard,
                         ::testing::Values(SystemCode::TwoLoopSo12, SystemCode::TwoLoopSo3),
                         test::SystemCodeName());

} // namespace
} // namespace qb
