#include "devices/HandControlEditor.h"
#include "base/CellText.h"
#include "pages/MainMenu.h"
#include "store/ConfigStore.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::u16string>;

const Bytes kFree(12, 0xFF);
const Bytes kBegun{0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

class HandControlTest : public ::testing::Test {
protected:
    HandControlTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()))),
          editor(*store, prompter) {
        // Board 3 is fitted. ManualCtrl modules sit on its loop 1 at 5, 6 and 9, the one at 6
        // unregistered; beside them an MCB of an output product type, which is neither kind.
        store->ioBoards.working.registration(3) = 1;
        for (int address : {5, 6, 9}) {
            device(3, 1, address, 56, 76).registration = address == 6 ? 0 : 1;
        }
        device(3, 1, 7, 52, 76);
        device(3, 2, 12, 52, 48); // SmkFan on loop 2: an output module
        device(41, 1, 3, 53, 48); // SmkFan on V1
        store->network.working.hostRegistration(7) = 1;
        store->handControl.takeSavePoint();
    }

    DeviceRecord& device(int board, int loop, int address, std::uint8_t product,
                         std::uint8_t equip) {
        DeviceRecord& d = store->devices(board).working.device(loop, address);
        d.registration = 1;
        d.productType = product;
        d.equipType = equip;
        return d;
    }
    Bytes slot(int index) const {
        const auto start = store->handControl.working.data.begin() + index * 12;
        return Bytes(start, start + 12);
    }
    static void choose(ListControl& list, const std::u16string& text) {
        list.selectText(text);
        ASSERT_TRUE(list.chosen()) << std::string(text.begin(), text.end());
    }
    void input(const std::u16string& manualCtrl) {
        editor.chooseInputBoard(0);
        choose(editor.inputBoards, u"03");
        editor.chooseInputBoard(editor.inputBoards.selected);
        editor.chooseInputLoop(0);
        choose(editor.manualCtrls, manualCtrl);
    }
    void output(const std::u16string& host, const std::u16string& board, int loop,
                const std::u16string& module) {
        choose(editor.hosts, host);
        editor.chooseHost(editor.hosts.selected);
        choose(editor.boards, board);
        editor.chooseBoard(editor.boards.selected);
        editor.chooseLoop(loop - 1);
        choose(editor.modules, module);
        editor.pressAddOutput();
    }
    // Opens the editor with `n` points, each on ManualCtrl 005 switching address n of another
    // host; the last is shown.
    void points(int n) {
        editor.open();
        for (int i = 1; i <= n; ++i) {
            if (i > 1) {
                editor.pressAdd();
            }
            input(u"005 ManualCtrl");
            output(u"007", u"01", 1, numberText(i, 3));
        }
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
    HandControlEditor editor;
};

TEST_F(HandControlTest, OpeningAnEmptyTableBeginsAnIncompletePoint) {
    editor.open();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_EQ(slot(0), kBegun);
    EXPECT_EQ(slot(1), kFree);
    EXPECT_EQ(editor.inputBoards.items, (Texts{u"01", u"03"}));
    EXPECT_EQ(editor.hosts.items, (Texts{u"001", u"007"}));
    input(u"005 ManualCtrl"); // registered or not, never the MCB
    EXPECT_EQ(editor.manualCtrls.items,
              (Texts{u"005 ManualCtrl", u"006 ManualCtrl", u"009 ManualCtrl"}));
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{std::string(HandControlEditor::kNotComplete) +
                                       "\nNo output module is chosen."});
}

struct OutputCase {
    const char* name;
    const char16_t* host;
    const char16_t* board;
    int loop;
    const char16_t* module;
    Bytes output; // slot bytes 5..9
    const char16_t* line;
};
void PrintTo(const OutputCase& c, std::ostream* out) {
    *out << c.name;
}

class HandControlOutputTest : public HandControlTest,
                              public ::testing::WithParamInterface<OutputCase> {};

TEST_P(HandControlOutputTest, ThePointIsStoredOnOkAndItsOutputShownInItsForm) {
    const OutputCase& c = GetParam();
    editor.open();
    input(u"009 ManualCtrl");
    editor.reg = true;
    output(c.host, c.board, c.loop, c.module);
    EXPECT_EQ(editor.results.items, Texts{c.line});
    EXPECT_TRUE(editor.pressOk());
    Bytes expected{1, 3, 9, 0, 1};
    expected.insert(expected.end(), c.output.begin(), c.output.end());
    expected.insert(expected.end(), {0xFF, 0xFF});
    EXPECT_EQ(slot(0), expected);
    EXPECT_TRUE(prompter.messages.empty());
}

// Name, host, board, loop, module; then slot bytes 5..9 and the result line.
const OutputCase kOutputCases[] = {
    {"Own", u"001", u"03", 2, u"012SmkFan", {1, 3, 2, 12, 0}, u"001 01 Host03 IO-Board2 Loop12"},
    {"OwnV1", u"001", u"V1", 1, u"003SmkFan", {1, 41, 1, 3, 0}, u"001 01 HostV1 IO-Board1 Loop03"},
    {"OtherV2", u"007", u"V2", 1, u"324", {7, 42, 1, 0x44, 1}, u"001 07 HostV2 IO-Board1 Loop324"},
    {"Other12", u"007", u"12", 2, u"007", {7, 12, 2, 7, 0}, u"001 07 Host12 IO-Board2 Loop07"},
};
INSTANTIATE_TEST_SUITE_P(Boards, HandControlOutputTest, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandControlTest, EachChoiceRefillsTheListsAfterIt) {
    editor.open();
    input(u"005 ManualCtrl");
    editor.chooseInputBoard(0);
    EXPECT_FALSE(editor.inputLoops.chosen());
    EXPECT_TRUE(editor.manualCtrls.items.empty());
    choose(editor.hosts, u"001");
    editor.chooseHost(editor.hosts.selected);
    EXPECT_EQ(editor.boards.items, (Texts{u"01", u"03", u"V1", u"V2"}));
    choose(editor.hosts, u"007");
    editor.chooseHost(editor.hosts.selected);
    ASSERT_EQ(editor.boards.items.size(), 42u);
    EXPECT_EQ(editor.boards.items[39], u"40");
    editor.chooseBoard(1);
    editor.chooseLoop(1);
    ASSERT_EQ(editor.modules.items.size(), 324u);
    EXPECT_EQ(editor.modules.items.back(), u"324");
    editor.chooseBoard(0);
    EXPECT_FALSE(editor.loops.chosen());
    EXPECT_TRUE(editor.modules.items.empty());
    editor.chooseLoop(0);
    editor.chooseHost(0);
    EXPECT_EQ(editor.boards.items.size(), 4u);
    EXPECT_TRUE(editor.modules.items.empty());
}

TEST_F(HandControlTest, APointHoldsOneOutputAndGivesItBack) {
    editor.open();
    input(u"005 ManualCtrl");
    editor.pressAddOutput();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{HandControlEditor::kNoModule});
    EXPECT_EQ(slot(0), kBegun);
    output(u"007", u"01", 1, u"002");
    EXPECT_FALSE(editor.addOutputEnabled);
    editor.modules.select(9);
    editor.pressAddOutput();
    editor.pressRemoveOutput();
    EXPECT_EQ(prompter.texts().back(), HandControlEditor::kNoResult);
    EXPECT_EQ(slot(0)[8], 2); // neither changed the output
    editor.results.select(0);
    editor.pressRemoveOutput();
    EXPECT_EQ(slot(0), kBegun);
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_TRUE(editor.addOutputEnabled);
}

TEST_F(HandControlTest, AddKeepsTheInputAndOffersTheNextManualCtrl) {
    editor.open();
    input(u"006 ManualCtrl");
    output(u"007", u"01", 1, u"001");
    editor.pressAdd();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(slot(0), (Bytes{0, 3, 6, 0, 1, 7, 1, 1, 1, 0, 0xFF, 0xFF}));
    EXPECT_EQ(slot(1), kBegun);
    EXPECT_EQ(editor.inputBoards.text(), u"03");
    EXPECT_EQ(editor.inputLoops.text(), u"01");
    EXPECT_EQ(editor.manualCtrls.text(), u"009 ManualCtrl");
    editor.modules.select(1);
    editor.pressAddOutput();
    editor.pressAdd();
    EXPECT_EQ(editor.manualCtrls.text(), u"009 ManualCtrl"); // the last entry stays
}

TEST_F(HandControlTest, AnIncompletePageIsNeitherLeftNorStored) {
    points(2);
    editor.results.select(0);
    editor.pressRemoveOutput();
    const HandControlTable before = store->handControl.working;
    editor.toText = u"1";
    for (auto press : {&PagedEditor::pressPrev, &PagedEditor::pressTo, &PagedEditor::pressAdd}) {
        (editor.*press)();
    }
    EXPECT_FALSE(editor.pressOk());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>(4, std::string(HandControlEditor::kNotComplete) +
                                              "\nNo output module is chosen."));
    EXPECT_EQ(editor.page(), 2);
    EXPECT_EQ(store->handControl.working, before);
}

TEST_F(HandControlTest, DelClosesTheGapAndShowsWhatFollows) {
    points(3);
    for (const char16_t* typed : {u"0", u"4", u"2"}) { // "To" takes 1..3 only
        editor.toText = typed;
        editor.pressTo();
    }
    ASSERT_EQ(editor.page(), 2);
    const Bytes third = slot(2);
    editor.pressDel();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 2/2");
    EXPECT_EQ(slot(1), third);
    EXPECT_EQ(slot(2), kFree);
    EXPECT_EQ(editor.manualCtrls.text(), u"005 ManualCtrl");
    EXPECT_EQ(editor.results.items, (Texts{u"001 07 Host01 IO-Board1 Loop03"}));
    editor.pressDel(); // the last point: the one before it is shown
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_EQ(slot(1), kFree);
}

TEST_F(HandControlTest, DeletingTheOnlyPointShowsNone) {
    points(1);
    editor.pressDel();
    EXPECT_EQ(slot(0), kFree);
    EXPECT_EQ(editor.pageLabel(), u"Cond. 0/0");
    EXPECT_FALSE(editor.inputBoards.chosen() || editor.manualCtrls.chosen() ||
                 editor.hosts.chosen());
    EXPECT_FALSE(editor.prevEnabled || editor.nextEnabled || editor.delEnabled);
    EXPECT_FALSE(editor.addOutputEnabled || editor.removeOutputEnabled);
    EXPECT_TRUE(editor.addEnabled);
    EXPECT_TRUE(editor.pressOk());
    editor.pressAdd();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/1");
    EXPECT_EQ(slot(0), kBegun);
}

TEST_F(HandControlTest, AFullTableRefusesAdd) {
    auto& data = store->handControl.working.data;
    for (std::size_t i = 0; i < data.size(); i += 12) {
        data[i + 2] = 1; // every slot in use
    }
    editor.open();
    EXPECT_EQ(editor.pageLabel(), u"Cond. 1/3601");
    EXPECT_FALSE(editor.addEnabled);
    input(u"005 ManualCtrl");
    output(u"007", u"01", 1, u"001");
    const HandControlTable before = store->handControl.working;
    editor.pressAdd();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{HandControlEditor::kTableFull});
    EXPECT_EQ(editor.page(), 1);
    EXPECT_EQ(store->handControl.working, before);
}

TEST(HandControlCommand, OkWritesTheTableAndAnythingElseRestoresIt) {
    test::WindowFixture w;
    w.store->network.working.hostRegistration(2) = 1; // another host: any address will do
    w.window.runCommand(commands::kHandControlSetup); // the begun point goes with Exit
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001LDMA.BIN")));
    EXPECT_FALSE(w.store->handControl.modified());

    DeviceRecord& manualCtrl = w.store->devices(1).working.device(1, 4);
    manualCtrl.equipType = 76;
    manualCtrl.productType = 56;
    w.dialogs.handControlEditor = [](HandControlEditor& e) {
        e.chooseInputBoard(0);
        e.chooseInputLoop(0);
        e.manualCtrls.select(0);
        e.chooseHost(1);
        e.chooseBoard(0);
        e.chooseLoop(0);
        e.modules.select(0);
        e.pressAddOutput();
        return e.pressOk();
    };
    w.window.runCommand(commands::kHandControlSetup);
    EXPECT_EQ(w.dialogs.handControlRuns, 2);
    const Bytes file = test::readAll(w.dataFile("M001LDMA.BIN"));
    ASSERT_EQ(file.size(), 43244u);
    const auto header = FileHeader::fromTemplate(w.store->headerTemplate(), "LDHND").bytes();
    EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
    EXPECT_EQ(Bytes(file.begin() + 32, file.begin() + 56),
              (Bytes{0,    1,    4,    0,    1,    2,    1,    1,    1,    0,    0xFF, 0xFF,
                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(w.store->handControl.modified());
}

} // namespace
} // namespace qb
