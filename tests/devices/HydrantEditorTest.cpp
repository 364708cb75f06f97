#include "devices/HydrantEditor.h"
#include "pages/MainMenu.h"
#include "store/ConfigStore.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::u16string>;
using Texts = std::vector<std::string>;

const Bytes kFree(8, 0xFF);

// Board 5 is fitted with hydrant inputs at loop 1, addresses 3 and 4, and hydrant modules at
// 5-1-12, 5-1-30 and 5-2-7; board 6 is fitted and has none. Beside them sit what must not be
// offered: a registered detector and an unregistered hydrant module.
class HydrantTest : public ::testing::Test {
protected:
    HydrantTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()))),
          editor(std::make_unique<HydrantEditor>(*store, prompter)) {
        for (int board : {5, 6}) {
            store->ioBoards.working.registration(board) = 1;
        }
        device(5, 1, 3, 58, 2);
        device(5, 1, 4, 57, 11);
        for (auto [loop, address] : {std::pair{1, 12}, {1, 30}, {2, 7}}) {
            device(5, loop, address, 52, 14);
        }
        device(5, 1, 13, 2, 2);
        device(5, 1, 14, 52, 14).registration = 0;
    }

    DeviceRecord& device(int file, int loop, int address, std::uint8_t product,
                         std::uint8_t equip) {
        DeviceRecord& d = store->devices(file).working.device(loop, address);
        d.registration = 1;
        d.productType = product;
        d.equipType = equip;
        return d;
    }
    Bytes input(int m) const { return bytes(8 * m); }
    Bytes output(int index) const { return bytes(400 + 8 * index); }
    Bytes bytes(int at) const {
        const auto start = store->hydrant.working.data.begin() + at;
        return Bytes(start, start + 8);
    }
    void setOutput(int index, const Bytes& b) {
        std::copy(b.begin(), b.end(), store->hydrant.working.data.begin() + 400 + 8 * index);
    }

    void chooseInput(const std::u16string& board, int loop, const std::u16string& entry) {
        editor->inputBoards.selectText(board);
        editor->chooseInputBoard(editor->inputBoards.selected);
        editor->chooseInputLoop(loop - 1);
        editor->inputs.selectText(entry);
        ASSERT_TRUE(editor->inputs.chosen()) << "no input entry";
        editor->chooseInput(editor->inputs.selected);
    }
    void addModule(const std::u16string& board, int loop, const std::u16string& entry) {
        editor->boards.selectText(board);
        editor->chooseBoard(editor->boards.selected);
        editor->chooseLoop(loop - 1);
        editor->modules.selectText(entry);
        editor->pressAddOutput();
    }
    // A registered page for input 5-1-3 with the given modules of board 5.
    void page(const std::vector<std::pair<int, std::u16string>>& modules) {
        editor->reg = true;
        chooseInput(u"05", 1, u"003 HydrCP");
        for (const auto& [loop, entry] : modules) {
            addModule(u"05", loop, entry);
        }
    }
    void chooseBatch(const std::u16string& entry) {
        editor->batch.selectText(entry);
        editor->chooseBatch(editor->batch.selected);
    }
    void reopen() {
        editor = std::make_unique<HydrantEditor>(*store, prompter);
        editor->open();
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
    std::unique_ptr<HydrantEditor> editor;
};

TEST_F(HydrantTest, ThreeResultsOfASecondInputTakeItsRecordThenFiftyAndFiftyOne) {
    editor->open();
    EXPECT_EQ(editor->pageLabel(), u"1/1");
    EXPECT_EQ(editor->inputBoards.items, (Lines{u"01", u"05", u"06", u"V1", u"V2"}));
    EXPECT_EQ(editor->batch.items, (Lines{u"None", u"All", u"01", u"05", u"06"}));
    page({{1, u"030HydrCP"}});
    editor->pressAdd();
    EXPECT_EQ(editor->pageLabel(), u"2/2");
    chooseInput(u"05", 1, u"004 MCP");
    addModule(u"05", 1, u"012HydrCP");
    EXPECT_EQ(editor->modules.items, (Lines{u"012HydrCP", u"030HydrCP"}));
    addModule(u"05", 1, u"030HydrCP");
    addModule(u"05", 2, u"007HydrCP");
    EXPECT_EQ(editor->results.items,
              (Lines{u"1  05-1-012 Hydrant", u"2  05-1-030 Hydrant", u"3  05-2-007 Hydrant"}));
    ASSERT_TRUE(editor->pressOk());
    EXPECT_EQ(input(0), (Bytes{1, 5, 3, 0, 1, 0, 0xFF, 0xFF}));
    EXPECT_EQ(output(0), (Bytes{5, 1, 30, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(input(1), (Bytes{0, 5, 4, 0, 1, 0, 0xFF, 0xFF}));
    EXPECT_EQ(output(1), (Bytes{5, 1, 12, 0, 50, 0, 0xFF, 0xFF}));
    EXPECT_EQ(output(50), (Bytes{5, 1, 30, 0, 51, 0, 0xFF, 0xFF}));
    EXPECT_EQ(output(51), (Bytes{5, 2, 7, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(output(52), kFree);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(HydrantTest, BatchRulesStoreTheirCodeAndKeepOnlyTheFirstModule) {
    device(6, 2, 9, 52, 14);
    editor->open();
    page({});
    chooseBatch(u"All");
    EXPECT_EQ(editor->results.items, (Lines{u"1  05-1-012 Hydrant", u"2  05-1-030 Hydrant",
                                            u"3  05-2-007 Hydrant", u"4  06-2-009 Hydrant"}));
    ASSERT_TRUE(editor->pressOk());
    EXPECT_EQ(input(0)[5], 50);
    EXPECT_EQ(output(0), (Bytes{5, 1, 12, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(output(50), kFree);

    reopen();
    EXPECT_EQ(editor->batch.text(), u"All");
    chooseBatch(u"06");
    editor->pressAdd();
    EXPECT_EQ(input(0)[5], 6);
    EXPECT_EQ(output(0), (Bytes{6, 2, 9, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(HydrantTest, ABatchBoardWithoutHydrantModulesChangesNothing) {
    editor->open();
    page({{1, u"012HydrCP"}});
    chooseBatch(u"06");
    EXPECT_EQ(prompter.texts(), Texts{HydrantEditor::kNoHydrant});
    EXPECT_EQ(editor->batch.text(), u"None");
    EXPECT_EQ(editor->results.items, Lines{u"1  05-1-012 Hydrant"});
}

TEST_F(HydrantTest, EachRefusalNamesWhatIsMissing) {
    editor->open();
    editor->chooseInputLoop(0);
    editor->inputBoards.selectText(u"05");
    editor->chooseInputBoard(editor->inputBoards.selected);
    editor->chooseInput(0);
    editor->chooseLoop(0);
    editor->pressAddOutput();
    page({{1, u"012HydrCP"}, {1, u"012HydrCP"}});
    editor->pressRemoveOutput();
    editor->results.select(0);
    editor->pressRemoveOutput();
    editor->pressAdd();
    EXPECT_EQ(
        prompter.texts(),
        (Texts{HydrantEditor::kChooseBoard, HydrantEditor::kChooseLoop, HydrantEditor::kChooseBoard,
               HydrantEditor::kNoModule, HydrantEditor::kModuleAdded, HydrantEditor::kNoResult,
               std::string(HydrantEditor::kNotComplete) + "\nNo hydrant module is chosen."}));
    EXPECT_EQ(editor->pageLabel(), u"1/1");
    EXPECT_EQ(store->hydrant.working, store->hydrant.saved);
}

TEST_F(HydrantTest, PagesReachTheTableOnlyByAddAndOk) {
    editor->open();
    page({{1, u"012HydrCP"}});
    editor->pressAdd();
    chooseInput(u"05", 1, u"004 MCP");
    addModule(u"05", 1, u"030HydrCP");
    editor->pressPrev(); // the page left was never stored
    EXPECT_EQ(input(1), kFree);
    addModule(u"05", 2, u"007HydrCP");
    editor->pressNext();
    EXPECT_EQ(editor->results.items, Lines{});
    editor->pressPrev();
    EXPECT_EQ(editor->results.items, Lines{u"1  05-1-012 Hydrant"});
    EXPECT_EQ(output(0)[4], 0xFE);
}

TEST_F(HydrantTest, DelInTheMiddleFreesThatPageOnly) {
    editor->open();
    for (const auto& entry : {u"012HydrCP", u"030HydrCP"}) {
        page({{1, u"012HydrCP"}, {1, u"030HydrCP"}, {2, u"007HydrCP"}});
        editor->pressAdd();
        chooseInput(u"05", 1, u"004 MCP");
        addModule(u"05", 1, entry);
        editor->pressAdd();
    }
    page({{2, u"007HydrCP"}});
    ASSERT_TRUE(editor->pressOk());
    reopen();
    EXPECT_EQ(editor->pageLabel(), u"1/5");
    editor->pressNext();
    editor->pressNext();
    editor->pressDel(); // input 2, with outputs 2, 52 and 53
    EXPECT_EQ(editor->pageLabel(), u"3/4");
    EXPECT_EQ(editor->results.items, Lines{u"1  05-1-030 Hydrant"});
    for (int index : {2, 52, 53}) {
        EXPECT_EQ(output(index), kFree) << index;
    }
    EXPECT_EQ(input(2), kFree);
    EXPECT_EQ(output(51)[4], 0xFE);
    EXPECT_NE(input(3), kFree);
}

TEST_F(HydrantTest, StoringAPageAgainGivesItsFormerOutputsBackFirst) {
    editor->open();
    page({{1, u"012HydrCP"}, {1, u"030HydrCP"}, {2, u"007HydrCP"}});
    ASSERT_TRUE(editor->pressOk());
    reopen();
    editor->results.select(1);
    editor->pressRemoveOutput();
    ASSERT_TRUE(editor->pressOk());
    EXPECT_EQ(output(0), (Bytes{5, 1, 12, 0, 50, 0, 0xFF, 0xFF}));
    EXPECT_EQ(output(50), (Bytes{5, 2, 7, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(output(51), kFree);
}

TEST_F(HydrantTest, FullOutputPoolRefusesFurtherResultsButKeepsWhatThePageHolds) {
    editor->open();
    page({{1, u"012HydrCP"}, {1, u"030HydrCP"}});
    ASSERT_TRUE(editor->pressOk());
    for (int index = 51; index < 1000; ++index) {
        setOutput(index, {0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}); // held by no chain
    }
    reopen();
    editor->results.select(1);
    editor->pressRemoveOutput();
    addModule(u"05", 2, u"007HydrCP"); // takes the record the page gave back
    addModule(u"05", 1, u"030HydrCP");
    chooseBatch(u"All");
    chooseBatch(u"None");
    EXPECT_EQ(prompter.texts(), (Texts{HydrantEditor::kOutputsFull, HydrantEditor::kOutputsFull}));
    EXPECT_EQ(editor->batch.text(), u"All");
    chooseBatch(u"05");
    ASSERT_TRUE(editor->pressOk());
    EXPECT_EQ(input(0)[5], 5);
    EXPECT_EQ(output(50), kFree);
}

TEST_F(HydrantTest, FiftyInputsRefuseAnotherPage) {
    for (int m = 0; m < 50; ++m) {
        ASSERT_TRUE(
            hydrant::storeInput(store->hydrant.working, m, {true, 5, 1, 3, 0}, {{5, 1, 12}}));
    }
    const HydrantTable before = store->hydrant.working;
    editor->open();
    EXPECT_EQ(editor->pageLabel(), u"1/50");
    editor->pressAdd();
    EXPECT_EQ(prompter.texts(), Texts{HydrantEditor::kInputsFull});
    EXPECT_EQ(editor->pageLabel(), u"1/50");
    EXPECT_EQ(store->hydrant.working, before);
}

TEST_F(HydrantTest, DamagedChainsReadAsTheirIntactPartAndAreFreedWhole) {
    setOutput(0, {5, 1, 12, 0, 50, 0, 0xFF, 0xFF});
    setOutput(50, {5, 1, 30, 0, 51, 0, 0xFF, 0xFF});
    setOutput(51, {5, 2, 7, 0, 50, 0, 0xFF, 0xFF});      // back to 50
    setOutput(1, {5, 1, 30, 0, 0x88, 0x13, 0xFF, 0xFF}); // 5000: outside the pool
    for (int m : {0, 1}) {
        const Bytes used{1, 5, 3, 0, 1, 0, 0xFF, 0xFF};
        std::copy(used.begin(), used.end(), store->hydrant.working.data.begin() + 8 * m);
    }
    editor->open();
    EXPECT_EQ(editor->results.items.size(), 3u);
    editor->pressNext();
    EXPECT_EQ(editor->results.items, Lines{u"1  05-1-030 Hydrant"});
    editor->pressPrev();
    editor->pressDel();
    for (int index : {0, 50, 51}) {
        EXPECT_EQ(output(index), kFree) << index;
    }
}

TEST_F(HydrantTest, VirtualBoardsAreStoredAsFortyAndFortyOne) {
    store->ioBoards.working.registration(40) = 1;
    device(kVirtualBoard2, 2, 8, 59, 2);
    device(kVirtualBoard1, 1, 3, 60, 2);
    device(kVirtualBoard1, 1, 5, 52, 14);
    editor->open();
    editor->reg = true;
    chooseInput(u"V2", 2, u"008 SoundStrobe");
    addModule(u"V1", 1, u"005HydrCP");
    EXPECT_EQ(editor->results.items, Lines{u"1  40-1-005 Hydrant"});
    editor->pressAdd();
    chooseInput(u"V1", 1, u"003 Sounder");
    addModule(u"V1", 1, u"005HydrCP");
    ASSERT_TRUE(editor->pressOk());
    EXPECT_EQ(input(0), (Bytes{1, 41, 8, 0, 2, 0, 0xFF, 0xFF}));
    EXPECT_EQ(output(0), (Bytes{40, 1, 5, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    reopen();
    editor->pressNext(); // a stored 40 whose place holds a hydrant input on V1 only
    EXPECT_EQ(editor->inputBoards.text(), u"V1");
    EXPECT_EQ(editor->inputs.text(), u"003 Sounder");
}

TEST(HydrantCommand, OkWritesTheTableAndExitRestoresIt) {
    test::WindowFixture w;
    w.dialogs.hydrantEditor = [](HydrantEditor&) { return true; };
    EXPECT_TRUE(w.window.runCommand(commands::kHydrantSetup));
    EXPECT_EQ(w.dialogs.hydrantRuns, 1);
    EXPECT_EQ(test::readAll(w.dataFile("M001XHSB.BIN")).size(), 8432u);

    w.store->hydrant.working.data[0] = 1;
    w.store->hydrant.takeSavePoint();
    w.dialogs.hydrantEditor = [&](HydrantEditor& e) {
        e.pressDel();
        return false;
    };
    w.window.runCommand(commands::kHydrantSetup);
    EXPECT_EQ(w.store->hydrant.working.data[0], 1);
    EXPECT_EQ(test::readAll(w.dataFile("M001XHSB.BIN"))[32], 0xFF);
}

} // namespace
} // namespace qb
