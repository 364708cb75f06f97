#include "devices/BroadcastControllerEditor.h"
#include "devices/BroadcastPointEditor.h"
#include "pages/MainMenu.h"
#include "store/ConfigStore.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::u16string>;
using Messages = std::vector<std::string>;
using Editor = BroadcastControllerEditor;
using Points = BroadcastPointEditor;

Bytes entry(const ConfigStore& s, int n) {
    const auto start = s.broadcast.working.data.begin() + 4 * (n - 1);
    return Bytes(start, start + 4);
}

Bytes slot(const ConfigStore& s, int index) {
    const auto start = s.broadcastPoints.working.data.begin() + 8 * index;
    return Bytes(start, start + 8);
}

// The "Reg" column as one text, row 1 first.
std::u16string regColumn(const Editor& editor) {
    std::u16string column;
    for (int row = 1; row <= 30; ++row) {
        column += editor.grid().text(row, Editor::Reg);
    }
    return column;
}

const std::u16string kAllOn(30, u'√');
const std::u16string kAllOff(30, u'×');

TEST(BroadcastController, ShowsOnlyARegisteredSizeAndKeepsTheSizeOfAnUnregisteredOne) {
    test::WindowFixture w;
    const Bytes loaded{1, 2, 7, 7, 0, 2, 7, 7, 0xFF, 1, 7, 7, 5, 1, 7, 7};
    std::copy(loaded.begin(), loaded.end(), w.store->broadcast.working.data.begin());
    Editor editor(*w.store, w.prompter);
    editor.open();
    EXPECT_EQ(regColumn(editor).substr(0, 4), u"√×√√");
    for (auto [row, points] : {std::pair{1, u"90"}, {2, u"30"}, {3, u"30"}, {4, u"30"}}) {
        EXPECT_EQ(editor.grid().text(row, Editor::Points), points) << row;
    }
    editor.clickCell(1, Editor::Reg);
    EXPECT_TRUE(editor.pressOk());
    EXPECT_EQ(entry(*w.store, 1), (Bytes{0, 2, 7, 7}));
    EXPECT_EQ(entry(*w.store, 2), (Bytes{0, 2, 7, 7}));
    EXPECT_EQ(entry(*w.store, 3), (Bytes{1, 0, 7, 7}));
    EXPECT_EQ(entry(*w.store, 4), (Bytes{1, 0, 7, 7}));
}

TEST(BroadcastController, TheWholeRegColumnFollowsItsActiveCell) {
    test::WindowFixture w;
    Editor editor(*w.store, w.prompter);
    editor.open();
    editor.clickCell(1, Editor::Reg, 29); // not the whole column: the active cell only
    editor.clickCell(2, Editor::Reg, 30); // nor this
    EXPECT_EQ(regColumn(editor), u"××" + kAllOn.substr(2));
    editor.clickCell(30, Editor::Reg, 1); // row 30 shows "√": all become "×"
    EXPECT_EQ(regColumn(editor), kAllOff);
    editor.clickCell(1, Editor::Reg, 30);
    EXPECT_EQ(regColumn(editor), kAllOn);
}

TEST(BroadcastController, ThePointsListOpensOnItsValueAndCommitsWhenLeft) {
    test::WindowFixture w;
    w.store->broadcast.working.registration(3) = 1;
    w.store->broadcast.working.sizeCode(3) = 1;
    Editor editor(*w.store, w.prompter);
    editor.open();
    editor.clickCell(3, Editor::Points);
    ASSERT_EQ(editor.cellEditor().kind, CellEditor::Kind::List);
    EXPECT_EQ(editor.cellEditor().items, (Texts{u"30", u"60", u"90"}));
    EXPECT_EQ(editor.cellEditor().selected, 1);
    editor.commitList(2);
    EXPECT_FALSE(editor.cellEditor().open());
    editor.clickCell(4, Editor::Points);
    editor.commitList(-1);
    EXPECT_EQ(editor.grid().text(4, Editor::Points), u"30");
    editor.pressOk();
    EXPECT_EQ(entry(*w.store, 3), (Bytes{1, 2, 0, 0xFF}));
}

TEST(BroadcastController, OkRegistersAFreshTableAndCancelKeepsIt) {
    test::WindowFixture w;
    const BroadcastTable before = w.store->broadcast.working;
    const auto untick = [](Editor& e) {
        EXPECT_EQ(regColumn(e), kAllOn);
        e.clickCell(2, Editor::Reg);
    };
    w.dialogs.broadcastControllerEditor = [&](Editor& e) {
        untick(e);
        return false;
    };
    w.window.runCommand(commands::kBroadcastControllerSetup);
    EXPECT_EQ(w.store->broadcast.working, before);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001BROD.BIN")));

    w.dialogs.broadcastControllerEditor = [&](Editor& e) {
        untick(e);
        return e.pressOk();
    };
    w.window.runCommand(commands::kBroadcastControllerSetup);
    EXPECT_EQ(w.dialogs.broadcastControllerRuns, 2);
    const Bytes file = test::readAll(w.dataFile("M001BROD.BIN"));
    ASSERT_EQ(file.size(), 152u);
    EXPECT_EQ(std::string(file.begin() + 14, file.begin() + 19), "BRDDT");
    for (int n = 1; n <= 30; ++n) {
        const auto at = file.begin() + 28 + 4 * n;
        EXPECT_EQ(Bytes(at, at + 4), (Bytes{static_cast<std::uint8_t>(n == 2 ? 0 : 1), 0, 0, 0xFF}))
            << n;
    }
    EXPECT_FALSE(w.store->broadcast.modified());
}

// Controllers 1 (30 points), 2 (90) and 5 (60) are registered, 3 is not. Board 3 is fitted;
// B-modules sit on board 3 at 1-5, 1-7 and 2-5, on V1 at 1-9 and on V2 at 2-12. Around them:
// a detector at 3-1-6 and an unregistered B-module at 3-1-8.
class BroadcastPointTest : public ::testing::Test {
protected:
    BroadcastPointTest() {
        BroadcastTable& c = w.store->broadcast.working;
        for (auto [n, size] : {std::pair{1, 0}, {2, 2}, {5, 1}}) {
            c.registration(n) = 1;
            c.sizeCode(n) = static_cast<std::uint8_t>(size);
        }
        c.registration(3) = 0;
        c.sizeCode(3) = 2;
        w.store->ioBoards.working.registration(3) = 1;
        for (auto [file, loop, address] :
             {std::tuple{3, 1, 5}, {3, 1, 7}, {3, 2, 5}, {41, 1, 9}, {42, 2, 12}, {3, 1, 8}}) {
            DeviceRecord& d = w.store->devices(file).working.device(loop, address);
            d.registration = address == 8 ? 0 : 1;
            d.equipType = 77;
        }
        w.store->devices(3).working.device(1, 6).registration = 1;
    }

    Messages said() {
        Messages texts = w.prompter.texts();
        w.prompter.messages.clear();
        return texts;
    }
    void pick(ListControl& list, const std::u16string& text) {
        list.selectText(text);
        ASSERT_TRUE(list.chosen()) << std::string(text.begin(), text.end());
    }
    void module(const std::u16string& board, int loop, const std::u16string& entry) {
        pick(editor.boards, board);
        editor.chooseBoard(editor.boards.selected);
        editor.chooseLoop(loop - 1);
        pick(editor.modules, entry);
    }
    static int indexOf(const ListControl& list, const std::u16string& text) {
        return static_cast<int>(std::find(list.items.begin(), list.items.end(), text) -
                                list.items.begin());
    }
    void choose(const std::u16string& controller, const std::u16string& point) {
        editor.chooseController(indexOf(editor.controllers, controller));
        editor.choosePoint(indexOf(editor.points, point));
    }
    // A page for controller 1 at `point` on board 3, loop 1, address 5.
    void page(const std::u16string& point, const std::u16string& entry = u"005BCST-M") {
        choose(u"1", point);
        module(u"03", 1, entry);
        editor.pressAddOutput();
    }
    void load(int index, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(),
                  w.store->broadcastPoints.working.data.begin() + 8 * index);
    }

    test::WindowFixture w;
    Points editor{*w.store, w.prompter};
};

TEST_F(BroadcastPointTest, OpensOnAnEmptyPageWithTheRegisteredControllersAndFittedBoards) {
    editor.open();
    EXPECT_EQ(editor.pageLabel(), u"1/1");
    EXPECT_EQ(editor.toText, u"0");
    EXPECT_FALSE(editor.prevEnabled || editor.nextEnabled);
    EXPECT_EQ(editor.controllers.items, (Texts{u"1", u"2", u"5"}));
    EXPECT_EQ(editor.boards.items, (Texts{u"01", u"03", u"V1", u"V2"}));
    EXPECT_TRUE(editor.points.items.empty());
    editor.chooseLoop(0);
    EXPECT_EQ(said(), Messages{Points::kNoBoard});
    module(u"03", 1, u"005BCST-M");
    EXPECT_EQ(editor.modules.items, (Texts{u"005BCST-M", u"007BCST-M"}));
    editor.chooseBoard(0);
    EXPECT_TRUE(editor.modules.items.empty());
    choose(u"2", u"90");
    EXPECT_EQ(editor.points.items.size(), 90u);
    editor.chooseController(0); // controller 1 has no point 90
    EXPECT_EQ(editor.points.items.size(), 30u);
    EXPECT_FALSE(editor.points.chosen());
}

TEST_F(BroadcastPointTest, TakingAModuleChecksInOrderAndEncodesTheVirtualBoards) {
    editor.open();
    editor.pressAddOutput();
    module(u"V1", 1, u"009BCST-M");
    editor.pressAddOutput();
    EXPECT_EQ(said(), (Messages{Points::kNoModule, Points::kNoControllerPoint}));
    choose(u"2", u"3");
    editor.setReg(true);
    editor.pressAddOutput();
    EXPECT_EQ(editor.results.items, Texts{u"001  40-1-009 B-module"});
    EXPECT_FALSE(editor.addOutputEnabled);
    EXPECT_TRUE(editor.removeOutputEnabled);
    editor.pressAdd();
    choose(u"2", u"4");
    module(u"V2", 2, u"012BCST-M");
    editor.pressAddOutput();
    EXPECT_EQ(editor.results.items, Texts{u"001  41-2-012 B-module"});
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(slot(*w.store, 0), (Bytes{1, 1, 2, 40, 1, 0, 9, 0}));
    EXPECT_EQ(slot(*w.store, 1), (Bytes{0, 1, 3, 41, 2, 0, 12, 0}));
    EXPECT_EQ(slot(*w.store, 2), Bytes(8, 0xFF));
    EXPECT_TRUE(said().empty());
}

TEST_F(BroadcastPointTest, AddOffersTheNextPointAndAnUntouchedNewPageIsDropped) {
    editor.open();
    page(u"30");
    editor.pressAdd();
    EXPECT_EQ(editor.pageLabel(), u"2/2");
    EXPECT_EQ(editor.toText, u"1");
    editor.pressTo(); // the page shown: it stays new and empty
    EXPECT_EQ(editor.controllers.text(), u"1");
    EXPECT_FALSE(editor.points.chosen()); // controller 1 has no point 31
    editor.pressPrev();
    EXPECT_EQ(editor.pageLabel(), u"1/1");
    EXPECT_EQ(editor.points.text(), u"30");
    editor.pressAdd();
    page(u"7", u"007BCST-M");
    editor.pressAdd();
    EXPECT_EQ(editor.points.text(), u"8");
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(slot(*w.store, 0), (Bytes{0, 0, 29, 3, 1, 0, 5, 0}));
    EXPECT_EQ(slot(*w.store, 1), (Bytes{0, 0, 6, 3, 1, 0, 7, 0}));
    EXPECT_EQ(slot(*w.store, 2), Bytes(8, 0xFF));
    EXPECT_TRUE(said().empty());
}

TEST_F(BroadcastPointTest, TheSameModuleOnTheSamePointIsRefused) {
    editor.open();
    page(u"4");
    editor.pressAdd();
    page(u"4");
    EXPECT_EQ(said(), Messages{Points::kModuleAdded});
    EXPECT_TRUE(editor.results.items.empty());
    page(u"5");
    choose(u"1", u"4");
    editor.pressAdd();
    EXPECT_EQ(said(), Messages{Points::kSameSettings});
    EXPECT_EQ(editor.pageLabel(), u"2/2");
    EXPECT_TRUE(editor.results.items.empty());
    EXPECT_FALSE(editor.controllers.chosen());
    // Nor can a stored page become another's twin.
    page(u"5");
    editor.pressAdd();
    editor.pressPrev();
    choose(u"1", u"4");
    EXPECT_EQ(said(), Messages{Points::kSameSettings});
    EXPECT_EQ(editor.points.text(), u"5");
    // A new page repeating a stored one is dropped by OK without a word.
    editor.pressAdd();
    page(u"5");
    EXPECT_EQ(said(), Messages{Points::kModuleAdded});
    choose(u"1", u"6");
    page(u"6");
    choose(u"1", u"5");
    ASSERT_TRUE(editor.pressOk());
    EXPECT_TRUE(said().empty());
    EXPECT_EQ(slot(*w.store, 1)[2], 4);
    EXPECT_EQ(slot(*w.store, 2), Bytes(8, 0xFF));
}

TEST_F(BroadcastPointTest, AnIncompletePageIsNeitherLeftNorKept) {
    editor.open();
    page(u"1");
    editor.pressAdd();
    choose(u"5", u"2");
    editor.pressPrev();
    EXPECT_FALSE(editor.pressOk());
    const std::string notComplete = std::string(Points::kNotComplete) + "\nNo B-module is chosen.";
    EXPECT_EQ(said(), (Messages{notComplete, notComplete}));
    EXPECT_EQ(editor.pageLabel(), u"2/2");
    editor.pressDel();
    EXPECT_EQ(editor.pageLabel(), u"1/1");
    EXPECT_TRUE(editor.pressOk());
}

TEST_F(BroadcastPointTest, DelInTheMiddleMovesTheLaterPagesUpAndShowsThePreviousOne) {
    editor.open();
    for (const auto* point : {u"1", u"2", u"3"}) {
        page(point);
        editor.pressAdd();
    }
    editor.toText = u"1"; // counted from 0: page 2; the untouched page 4 goes
    editor.pressTo();
    EXPECT_EQ(editor.pageLabel(), u"2/3");
    EXPECT_EQ(editor.points.text(), u"2");
    editor.pressDel();
    EXPECT_EQ(editor.pageLabel(), u"1/2");
    EXPECT_EQ(editor.points.text(), u"1");
    editor.toText = u"2"; // no such page
    editor.pressTo();
    EXPECT_EQ(editor.pageLabel(), u"1/2");
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(slot(*w.store, 0)[2], 0);
    EXPECT_EQ(slot(*w.store, 1)[2], 2);
    EXPECT_EQ(slot(*w.store, 2), Bytes(8, 0xFF));
    // Deleting the only page goes back to the empty first page.
    editor.open();
    editor.pressDel();
    editor.pressDel();
    EXPECT_EQ(editor.pageLabel(), u"1/1");
    EXPECT_FALSE(editor.controllers.chosen());
    EXPECT_TRUE(editor.results.items.empty());
}

TEST_F(BroadcastPointTest, AFullTableTakesNoMorePagesAndStoresNothingHalfway) {
    for (int index = 0; index < 253; ++index) {
        load(index, {1, 1, static_cast<std::uint8_t>(index % 90), 3, 2, 0,
                     static_cast<std::uint8_t>(index / 90 + 20), 0});
    }
    editor.open();
    editor.pressAdd();
    EXPECT_EQ(editor.pageLabel(), u"254/254");
    page(u"9");
    editor.pressAdd();
    EXPECT_EQ(said(), Messages{Points::kTableFull});
    EXPECT_EQ(editor.pageLabel(), u"254/254");
    ASSERT_TRUE(editor.pressOk());
    EXPECT_EQ(slot(*w.store, 253), (Bytes{0, 0, 8, 3, 1, 0, 5, 0}));
    EXPECT_EQ(slot(*w.store, 252), (Bytes{1, 1, 72, 3, 2, 0, 22, 0}));
}

TEST_F(BroadcastPointTest, StoredPagesGoBackByteForByteAlsoForAControllerNoLongerListed) {
    load(0, {1, 2, 40, 3, 1, 9, 7, 0}); // controller 3 is not registered; byte 5 is odd
    load(1, {5, 0, 0, 40, 1, 0, 4, 1});
    load(3, {0, 1, 89, 3, 2, 0, 5, 0}); // after a gap
    const BroadcastPointTable before = w.store->broadcastPoints.working;
    editor.open();
    EXPECT_EQ(editor.pageLabel(), u"1/3");
    EXPECT_FALSE(editor.controllers.chosen());
    EXPECT_EQ(editor.results.items, Texts{u"001  03-1-007 B-module"});
    editor.pressNext();
    EXPECT_FALSE(editor.reg());
    EXPECT_EQ(editor.results.items, Texts{u"001  40-1-260 B-module"});
    editor.pressNext();
    EXPECT_EQ(editor.points.text(), u"90");
    ASSERT_TRUE(editor.pressOk());
    EXPECT_TRUE(said().empty());
    load(2, Bytes(8, 0xFF)); // the gap closes
    load(3, {0, 1, 89, 3, 2, 0, 5, 0});
    EXPECT_EQ(w.store->broadcastPoints.working, before);
}

TEST_F(BroadcastPointTest, OkWritesTheFileAndEixtKeepsTheTable) {
    const BroadcastPointTable before = w.store->broadcastPoints.working;
    bool ok = false;
    w.dialogs.broadcastPointEditor = [&](Points& e) {
        e.chooseController(0);
        e.choosePoint(1);
        e.chooseBoard(1);
        e.chooseLoop(0);
        e.modules.select(0);
        e.pressAddOutput();
        return ok && e.pressOk();
    };
    w.window.runCommand(commands::kBroadcastPointSetup);
    EXPECT_EQ(w.store->broadcastPoints.working, before);
    EXPECT_FALSE(std::filesystem::exists(w.dataFile("M001BCPD.BIN")));
    ok = true;
    w.window.runCommand(commands::kBroadcastPointSetup);
    EXPECT_EQ(w.dialogs.broadcastPointRuns, 2);
    const Bytes file = test::readAll(w.dataFile("M001BCPD.BIN"));
    ASSERT_EQ(file.size(), 2064u);
    EXPECT_EQ(std::string(file.begin() + 14, file.begin() + 19), "BCPDT");
    EXPECT_EQ(Bytes(file.begin() + 32, file.begin() + 48),
              (Bytes{0, 0, 1, 3, 1, 0, 5, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(w.store->broadcastPoints.modified());
}

} // namespace
} // namespace qb
