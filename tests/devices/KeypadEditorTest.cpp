#include "devices/KeypadEditor.h"
#include "base/CellText.h"
#include "store/ConfigStore.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <random>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

constexpr int kKeypadCommand = 32810;
constexpr std::size_t kRecordsOffset = FileHeader::kSize;

class KeypadTest : public ::testing::Test {
protected:
    KeypadTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()))),
          editor(*store, prompter) {
        // Zones 1 (in use from the start), 7 and 12 can be targets; zone 8 is not in use.
        store->zones.working.zone(7).registration = 1;
        store->zones.working.zone(12).registration = 1;
        // Board 5 is fitted and carries fan modules at 12 and 30 on loop 1. Around them sit what
        // must not be offered: a detector, an MCB, an unregistered module and a module on loop 2.
        store->ioBoards.working.registration(5) = 1;
        for (int address : {12, 30}) {
            module(5, 1, address, 52, 48);
        }
        module(5, 1, 13, 2, 2);   // a detector
        module(5, 1, 14, 52, 76); // MCB
        module(5, 2, 12, 52, 48); // loop 2
        DeviceRecord& idle = module(5, 1, 15, 52, 48);
        idle.registration = 0;
        store->zones.takeSavePoint();
        store->ioBoards.takeSavePoint();
        store->devices(5).takeSavePoint();
    }

    DeviceRecord& module(int board, int loop, int address, std::uint8_t product,
                         std::uint8_t equip) {
        DeviceRecord& d = store->devices(board).working.device(loop, address);
        d.registration = 1;
        d.productType = product;
        d.equipType = equip;
        return d;
    }

    Bytes record(int index) const {
        const auto& data = store->keypad.working.data;
        const auto start = data.begin() + index * 8;
        return Bytes(start, start + 8);
    }
    void setRecord(int index, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), store->keypad.working.data.begin() + index * 8);
    }
    int count() const { return store->keypad.working.pointCount(); }

    // Fills the shown page with a zone target on a button (1-based).
    void zonePoint(int button, const std::u16string& zone, bool registered = true) {
        editor.buttons.select(button - 1);
        editor.reg = registered;
        editor.modules.selectText(zone);
        ASSERT_TRUE(editor.modules.chosen());
        editor.pressAddOutput();
    }
    // Fills the shown page with the module of board 5 at that entry.
    void modulePoint(int button, const std::u16string& entry) {
        editor.buttons.select(button - 1);
        editor.reg = true;
        editor.setFieldDevice(true);
        editor.boards.selectText(u"05");
        editor.chooseBoard(editor.boards.selected);
        editor.modules.selectText(entry);
        ASSERT_TRUE(editor.modules.chosen());
        editor.pressAddOutput();
    }
    // `n` stored zone points on buttons 1..n, the last one shown.
    void points(int n) {
        for (int i = 1; i <= n; ++i) {
            if (i > 1) {
                editor.pressAdd();
            }
            zonePoint(i % KeypadEditor::kButtons + 1, u"Zone 07");
        }
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
    KeypadEditor editor;
};

const Bytes kFree(8, 0xFF);
const Bytes kBegun{0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

TEST_F(KeypadTest, OpeningAnEmptyTableBeginsPointOne) {
    editor.open();
    EXPECT_EQ(record(0), kBegun);
    EXPECT_EQ(record(1), kFree);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    ASSERT_EQ(editor.buttons.items.size(), 32u);
    EXPECT_EQ(editor.buttons.items.front(), u"Button No.01");
    EXPECT_EQ(editor.buttons.items[8], u"Button No.09");
    EXPECT_EQ(editor.buttons.items.back(), u"Button No.32");
    EXPECT_FALSE(editor.buttons.chosen());
    EXPECT_EQ(editor.boards.items, (std::vector<std::u16string>{u"01", u"05"}));
    EXPECT_EQ(editor.loops.items, (std::vector<std::u16string>{u"01", u"02"}));
    EXPECT_EQ(editor.modules.items,
              (std::vector<std::u16string>{u"Zone 01", u"Zone 07", u"Zone 12"}));
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_FALSE(editor.reg);
    EXPECT_FALSE(editor.fieldDevice);
    EXPECT_FALSE(editor.boardsEnabled());
    EXPECT_FALSE(editor.prevEnabled);
    EXPECT_FALSE(editor.nextEnabled);
    EXPECT_TRUE(editor.addEnabled);
    EXPECT_TRUE(editor.delEnabled);
    EXPECT_TRUE(editor.addOutputEnabled);
    EXPECT_FALSE(editor.removeOutputEnabled);
    EXPECT_EQ(editor.pageState(), KeypadEditor::PageState::Empty);
}

TEST_F(KeypadTest, ZonePointBytes) {
    editor.open();
    zonePoint(3, u"Zone 07");
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"Zone 07"});
    EXPECT_FALSE(editor.addOutputEnabled);
    EXPECT_TRUE(editor.removeOutputEnabled);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(record(0), (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(record(1), kFree);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadTest, UnregisteredZonePointKeepsRegZero) {
    editor.open();
    zonePoint(32, u"Zone 12", false);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(record(0), (Bytes{0, 0, 32, 12, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(KeypadTest, FieldDevicePointBytes) {
    editor.open();
    editor.setFieldDevice(true);
    EXPECT_TRUE(editor.boardsEnabled());
    EXPECT_TRUE(editor.modules.items.empty()); // no board chosen yet
    EXPECT_FALSE(editor.addOutputEnabled);
    modulePoint(1, u"012SmkFan");
    EXPECT_EQ(editor.loops.text(), u"01");
    EXPECT_EQ(editor.modules.items, (std::vector<std::u16string>{u"012SmkFan", u"030SmkFan"}));
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"05-1-012SmkFan"});
    ASSERT_TRUE(editor.pressOk());
    const Bytes stored = record(0);
    EXPECT_EQ(Bytes(stored.begin() + 1, stored.end()), (Bytes{1, 1, 5, 1, 0xFF, 12, 0}));
    EXPECT_EQ(stored[0], 1);
}

TEST_F(KeypadTest, StoredPointsShowAsTheyWereStored) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.pressAdd();
    modulePoint(9, u"030SmkFan");
    ASSERT_TRUE(editor.pressOk());

    KeypadEditor again(*store, prompter);
    again.open();
    EXPECT_EQ(again.pageLabel(), u"Cond. 1/2");
    EXPECT_EQ(again.buttons.text(), u"Button No.03");
    EXPECT_TRUE(again.reg);
    EXPECT_FALSE(again.fieldDevice);
    EXPECT_EQ(again.results.items, std::vector<std::u16string>{u"Zone 07"});
    EXPECT_FALSE(again.fieldDeviceEnabled);
    again.pressNext();
    EXPECT_EQ(again.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(again.buttons.text(), u"Button No.09");
    EXPECT_TRUE(again.fieldDevice);
    EXPECT_TRUE(again.boardsEnabled());
    EXPECT_EQ(again.results.items, std::vector<std::u16string>{u"05-1-030SmkFan"});
    EXPECT_TRUE(again.removeOutputEnabled);
    EXPECT_FALSE(again.addOutputEnabled);
    EXPECT_TRUE(prompter.messages.empty());
}

class KeypadTargetTest : public KeypadTest {};

TEST_F(KeypadTargetTest, AddingWithoutAnEntryAsksForOne) {
    editor.open();
    editor.pressAddOutput();
    EXPECT_EQ(prompter.texts(), Texts{"Please select in the list of module !"});
    EXPECT_EQ(record(0), kBegun);
}

TEST_F(KeypadTargetTest, ASecondTargetIsRefusedSilently) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.modules.selectText(u"Zone 12");
    editor.pressAddOutput();
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"Zone 07"});
    EXPECT_EQ(record(0)[3], 7);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadTargetTest, RemovingNeedsASelectedLineAndClearsTheTargetBytes) {
    editor.open();
    modulePoint(2, u"012SmkFan");
    editor.pressRemoveOutput();
    EXPECT_EQ(prompter.texts(), Texts{"Please select in the list of output results !"});
    EXPECT_EQ(record(0)[3], 5);

    editor.results.select(0);
    editor.pressRemoveOutput();
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.addOutputEnabled);
    EXPECT_FALSE(editor.removeOutputEnabled);
    // Target, loop and address are cleared; a zone put in its place leaves no stale loop.
    EXPECT_EQ(record(0), (Bytes{0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(KeypadTargetTest, FieldDeviceSwitchesTheListOnlyWhileNoTargetIsHeld) {
    editor.open();
    editor.setFieldDevice(true);
    editor.chooseBoard(1); // "05"
    EXPECT_EQ(editor.modules.items.size(), 2u);
    editor.setFieldDevice(false);
    EXPECT_FALSE(editor.boardsEnabled());
    EXPECT_EQ(editor.modules.items.front(), u"Zone 01");
    editor.chooseBoard(0); // "Loop-B" is disabled: nothing happens
    EXPECT_EQ(editor.modules.items.front(), u"Zone 01");

    zonePoint(4, u"Zone 01");
    EXPECT_FALSE(editor.fieldDeviceEnabled);
    editor.setFieldDevice(true);
    EXPECT_FALSE(editor.fieldDevice);
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(record(0), (Bytes{1, 0, 4, 1, 0xFF, 0xFF, 0xFF, 0xFF}));
}

class KeypadPagingTest : public KeypadTest {};

TEST_F(KeypadPagingTest, AddStoresThePageAndOffersTheNextButton) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.pressAdd();
    EXPECT_EQ(record(0), (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(record(1), kBegun);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.buttons.text(), u"Button No.04");
    EXPECT_FALSE(editor.reg);
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.prevEnabled);
    EXPECT_FALSE(editor.nextEnabled);
    // A button alone does not make a page: it cannot be left.
    EXPECT_EQ(editor.pageState(), KeypadEditor::PageState::Incomplete);
}

TEST_F(KeypadPagingTest, AnIncompletePageCannotBeLeft) {
    editor.open();
    editor.buttons.select(0); // button, no target
    editor.toText = u"1";
    editor.pressAdd();
    editor.pressTo();
    editor.pressNext();
    editor.pressPrev();
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.texts(), Texts(5, "The Page content not complete!"));
    EXPECT_EQ(record(0), kBegun);
    EXPECT_EQ(count(), 1);

    // The untouched first page cannot be left either, but OK drops it.
    prompter.messages.clear();
    editor.buttons.select(-1);
    editor.pressAdd();
    EXPECT_EQ(prompter.texts(), Texts{"The Page content not complete!"});
    EXPECT_TRUE(editor.pressOk());
    EXPECT_EQ(store->keypad.working, store->keypad.saved);
}

TEST_F(KeypadPagingTest, ATargetWithoutAButtonIsIncomplete) {
    editor.open();
    editor.modules.select(0);
    editor.pressAddOutput();
    EXPECT_EQ(editor.pageState(), KeypadEditor::PageState::Incomplete);
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.texts(), Texts{"The Page content not complete!"});
}

TEST_F(KeypadPagingTest, MovingStoresTheLeftPage) {
    editor.open();
    points(3);
    editor.pressPrev();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/3");
    editor.reg = false;
    editor.buttons.select(19);
    editor.pressNext();
    EXPECT_EQ(record(1), (Bytes{0, 0, 20, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(editor.pageLabel(), u"Cond. 3/3");

    editor.toText = u"1";
    editor.pressTo();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/3");
    EXPECT_TRUE(editor.toText.empty());
    EXPECT_FALSE(editor.prevEnabled);
    EXPECT_TRUE(editor.nextEnabled);
    EXPECT_EQ(editor.buttons.text(), u"Button No.02");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadPagingTest, ToIgnoresNumbersOffTheTable) {
    editor.open();
    points(2);
    for (const char16_t* text : {u"", u"0", u"3", u"-1", u"1x", u"99999999999"}) {
        editor.toText = text;
        editor.pressTo();
        EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(KeypadPagingTest, FiftyPointsIsTheLimit) {
    editor.open();
    points(49);
    EXPECT_TRUE(editor.addEnabled);
    editor.pressAdd();
    zonePoint(32, u"Zone 12");
    EXPECT_EQ(editor.pageLabel(), u"Cond. 50/50");
    EXPECT_FALSE(editor.addEnabled);
    EXPECT_TRUE(editor.delEnabled);

    const KeypadTable before = store->keypad.working;
    editor.pressAdd();
    EXPECT_EQ(prompter.texts(), Texts{"The maximum number of hand control points is 50!"});
    EXPECT_EQ(store->keypad.working, before);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 50/50");

    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(count(), 50);
    EXPECT_EQ(record(49), (Bytes{1, 0, 32, 12, 0xFF, 0xFF, 0xFF, 0xFF}));
    KeypadEditor again(*store, prompter);
    again.open();
    EXPECT_FALSE(again.addEnabled);
    EXPECT_EQ(again.pageLabel(), u"Cond. 1/50");
}

class KeypadDeleteTest : public KeypadTest {};

TEST_F(KeypadDeleteTest, TheOnlyPointMakesWayForANewOne) {
    editor.open();
    zonePoint(3, u"Zone 07");
    editor.pressDel();
    EXPECT_EQ(record(0), kBegun);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_FALSE(editor.buttons.chosen());
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.addOutputEnabled);
}

TEST_F(KeypadDeleteTest, TheLastPointShowsThePreviousOne) {
    editor.open();
    points(3);
    editor.pressDel();
    EXPECT_EQ(record(2), kFree);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.buttons.text(), u"Button No.03");
}

TEST_F(KeypadDeleteTest, AMiddlePointClosesTheGap) {
    editor.open();
    points(3);
    editor.toText = u"2";
    editor.pressTo(); // stores page 3 on the way
    const Bytes third = record(2);
    editor.pressDel();
    EXPECT_EQ(record(1), third);
    EXPECT_EQ(record(2), kFree);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(editor.buttons.text(), u"Button No.04");
    EXPECT_FALSE(editor.nextEnabled);
}

TEST_F(KeypadDeleteTest, TheFirstOfFiftyMovesEveryOtherUp) {
    editor.open();
    points(50);
    editor.toText = u"1";
    editor.pressTo();
    const KeypadTable before = store->keypad.working;
    editor.pressDel();
    EXPECT_EQ(count(), 49);
    EXPECT_TRUE(
        std::equal(before.data.begin() + 8, before.data.end(), store->keypad.working.data.begin()));
    EXPECT_EQ(record(49), kFree);
    EXPECT_TRUE(editor.addEnabled);
}

class KeypadExitTest : public KeypadTest {};

TEST_F(KeypadExitTest, ExitRestoresTheSavedTable) {
    editor.open();
    points(4);
    editor.pressDel();
    editor.pressAdd();
    EXPECT_NE(store->keypad.working, store->keypad.saved);
    editor.pressExit();
    EXPECT_EQ(store->keypad.working, store->keypad.saved);
    EXPECT_EQ(count(), 0);
}

class KeypadDamagedTableTest : public KeypadTest {};

TEST_F(KeypadDamagedTableTest, PointsBehindAnEmptyFirstRecordMoveUpOnOk) {
    setRecord(1, {1, 0, 4, 7, 0xFF, 0xFF, 0xFF, 0xFF});
    setRecord(2, {1, 1, 5, 5, 1, 0xFF, 12, 0});
    store->keypad.takeSavePoint();
    editor.open();
    // The begun point joins the records behind it.
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/3");
    EXPECT_TRUE(editor.pressOk());
    // The untouched first point goes; the two behind it now lie from the first record.
    EXPECT_EQ(store->keypad.working.pointCount(), 2);
    const auto& data = store->keypad.working.data;
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 8), (Bytes{1, 0, 4, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(data.begin() + 8, data.begin() + 16), (Bytes{1, 1, 5, 5, 1, 0xFF, 12, 0}));
    EXPECT_EQ(data[16 + 2], 0xFF);
}

TEST_F(KeypadDamagedTableTest, OutOfRangeFieldsShowWithoutLookUps) {
    setRecord(0, {7, 1, 0x40, 200, 9, 0xFF, 0xFF, 0xFF}); // button 64, board 200, loop 9
    setRecord(1, {1, 1, 0, 5, 1, 0xFF, 0x90, 0x01});      // button 0, address 400 of board 5
    setRecord(2, {1, 0, 2, 0, 0, 0, 0, 0});               // zone 0
    editor.open();
    EXPECT_FALSE(editor.buttons.chosen());
    EXPECT_FALSE(editor.reg);
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"200-9-65535"});
    // The page has no button: it cannot be left, but the target can be taken off.
    editor.results.select(0);
    editor.pressRemoveOutput();
    editor.buttons.select(0);
    editor.setFieldDevice(true);
    editor.chooseBoard(1);
    editor.modules.select(0);
    editor.pressAddOutput();
    editor.pressNext();
    EXPECT_EQ(record(0), (Bytes{0, 1, 1, 5, 1, 0xFF, 12, 0}));
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"05-1-400"});
    EXPECT_TRUE(editor.reg);
    editor.pressNext(); // a target without a button
    EXPECT_EQ(prompter.texts(), Texts{"The Page content not complete!"});
    editor.buttons.select(5);
    editor.pressNext();
    EXPECT_EQ(record(1), (Bytes{1, 1, 6, 5, 1, 0xFF, 0x90, 0x01}));
    EXPECT_EQ(editor.results.items, std::vector<std::u16string>{u"Zone 00"});
    EXPECT_EQ(editor.buttons.text(), u"Button No.02");
}

TEST_F(KeypadDamagedTableTest, AnyBytesSurviveEveryAction) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> action(0, 11);
    for (int round = 0; round < 200; ++round) {
        for (auto& b : store->keypad.working.data) {
            // Mostly small values, so buttons, boards and zones often look valid.
            const int v = byte(random);
            b = static_cast<std::uint8_t>(v < 128 ? v % 40 : v);
        }
        store->keypad.takeSavePoint();
        KeypadEditor e(*store, prompter);
        e.open();
        for (int step = 0; step < 40; ++step) {
            const int pick = byte(random);
            switch (action(random)) {
            case 0:
                e.pressAdd();
                break;
            case 1:
                e.pressDel();
                break;
            case 2:
                e.pressNext();
                break;
            case 3:
                e.pressPrev();
                break;
            case 4:
                e.toText = numberText(pick % 60);
                e.pressTo();
                break;
            case 5:
                e.setFieldDevice(!e.fieldDevice);
                break;
            case 6:
                e.chooseBoard(pick % 3);
                break;
            case 7:
                e.modules.select(pick % 4);
                e.pressAddOutput();
                break;
            case 8:
                e.results.select(0);
                e.pressRemoveOutput();
                break;
            case 9:
                e.buttons.select(pick % 34);
                break;
            case 10:
                e.reg = !e.reg;
                break;
            default:
                e.pressOk();
                break;
            }
            ASSERT_LE(e.page(), e.pageCount());
            ASSERT_LE(e.results.items.size(), 1u);
            ASSERT_LE(e.modules.items.size(), static_cast<std::size_t>(kAddressesPerLoop));
        }
        e.pressExit();
        ASSERT_EQ(store->keypad.working, store->keypad.saved);
    }
}

class KeypadCommandTest : public ::testing::Test {};

TEST_F(KeypadCommandTest, OkWritesTheFileAndTakesTheSavedCopy) {
    test::WindowFixture w;
    w.store->zones.working.zone(7).registration = 1;
    w.dialogs.keypadEditor = [](KeypadEditor& e) {
        e.buttons.select(2);
        e.reg = true;
        e.modules.selectText(u"Zone 07");
        e.pressAddOutput();
        return e.pressOk();
    };
    w.prompter.messages.clear();
    w.window.runCommand(kKeypadCommand);
    EXPECT_EQ(w.dialogs.keypadRuns, 1);
    const Bytes file = test::readAll(w.dataFile("M001KPAD.BIN"));
    ASSERT_EQ(file.size(), 432u);
    const auto header = FileHeader::fromTemplate(w.store->headerTemplate(), "KEPAD").bytes();
    EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
    EXPECT_EQ(Bytes(file.begin() + kRecordsOffset, file.begin() + kRecordsOffset + 8),
              (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(std::all_of(file.begin() + kRecordsOffset + 8, file.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_FALSE(w.store->keypad.modified());
    EXPECT_TRUE(w.prompter.messages.empty());
}

TEST_F(KeypadCommandTest, ExitWritesNothingAndKeepsTheTable) {
    test::WindowFixture w;
    w.dialogs.keypadEditor = [](KeypadEditor& e) {
        e.buttons.select(0);
        e.modules.select(0);
        e.pressAddOutput();
        e.pressAdd();
        return false;
    };
    const KeypadTable before = w.store->keypad.working;
    w.window.runCommand(kKeypadCommand);
    EXPECT_EQ(w.dialogs.keypadRuns, 1);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001KPAD.BIN")));
    EXPECT_EQ(w.store->keypad.working, before);
}

TEST_F(KeypadCommandTest, TheOneLoopPanelHasNoKeypads) {
    test::WindowFixture w(SystemCode::OneLoop);
    w.dialogs.keypadEditor = [](KeypadEditor& e) { return e.pressOk(); };
    EXPECT_TRUE(w.window.runCommand(kKeypadCommand));
    EXPECT_EQ(w.dialogs.keypadRuns, 0);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001KPAD.BIN")));
}

} // namespace
} // namespace qb
