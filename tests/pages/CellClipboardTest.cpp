#include "pages/CellClipboard.h"
#include "pages/ByteChanges.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::WindowFixture;
using Rows = std::vector<std::vector<std::u16string>>;

TEST(CellClipboardTest, ParsesSpreadsheetText) {
    EXPECT_EQ(parseCells(u"a\tb\r\nc\td\r\n"), (Rows{{u"a", u"b"}, {u"c", u"d"}}));
    EXPECT_EQ(parseCells(u"a\t\nb"), (Rows{{u"a", u""}, {u"b"}}));
    EXPECT_EQ(parseCells(u"\"x\ty\"\t\"say \"\"hi\"\"\"\n\"two\nlines\"\n"),
              (Rows{{u"x\ty", u"say \"hi\""}, {u"two\nlines"}}));
    EXPECT_EQ(parseCells(u"\"open\tend\n"), (Rows{{u"\"open", u"end"}})); // never closed
    EXPECT_EQ(parseCells(u"\n"), (Rows{{u""}}));
    EXPECT_TRUE(parseCells(u"").empty());
}

TEST(CellClipboardTest, CopiesARectangleAsItReadsBack) {
    PageGrid grid;
    grid.reset(4, {u"Addr", u"Reg", u"Position"}, {1, 1, 1});
    grid.setText(2, 0, u"2");
    grid.setText(2, 2, u"Hall \"A\"\tEast");
    grid.setText(3, 1, u"√");
    const std::u16string text = copyCells(grid, {.top = 2, .left = 1, .bottom = 3, .right = 2});
    EXPECT_EQ(text, u"\t\"Hall \"\"A\"\"\tEast\"\n√\t\n");
    EXPECT_EQ(parseCells(text), (Rows{{u"", u"Hall \"A\"\tEast"}, {u"√", u""}}));
}

class CellPasteTest : public ::testing::Test {
protected:
    CellPasteTest() {
        for (WindowFixture* f : {&w, &typed}) {
            f->store->ioBoards.working.registration(4) = 1;
            f->window.runCommand(commands::kDeviceSetup);
            f->window.chooseFirstSelector(1); // board 4
        }
    }
    static std::vector<std::uint8_t> bytes(WindowFixture& f) {
        return copyOf({bytesOf(f.store->devices(4).working.records)});
    }
    // Checks that nothing changed: the board, the grid and the history.
    void expectRefused(const std::u16string& text, int row, int column,
                       const std::string& message) {
        const std::vector<std::uint8_t> before = bytes(w);
        const std::u16string shown = copyCells(w.grid(), {0, 0, 324, 7});
        EXPECT_FALSE(w.window.paste(row, column, text));
        EXPECT_EQ(bytes(w), before);
        EXPECT_EQ(copyCells(w.grid(), {0, 0, 324, 7}), shown);
        EXPECT_FALSE(w.window.canUndo());
        EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{message});
    }

    WindowFixture w;
    WindowFixture typed;
};

TEST_F(CellPasteTest, StoresEveryKindOfCellAsTypingWouldInOneStep) {
    typed.window.doubleClickCell(3, 1);
    typed.pick(3, 5, u"Pulse");
    typed.type(3, 4, u"17");
    typed.type(3, 7, u"Stair B");
    typed.pick(4, 6, u"Slow");
    typed.type(4, 7, u"Roof");

    const std::vector<std::uint8_t> before = bytes(w);
    // Rows as copied from the grid, their address cells included.
    EXPECT_TRUE(w.window.paste(3, 0,
                               u"3\t√\tOptDet\tOptDet\t17\tPulse\tFast\tStair B\r\n"
                               u"4\t×\tOptDet\tOptDet\t1\tConstant\tSlow\tRoof\r\n"));
    EXPECT_EQ(bytes(w), bytes(typed));
    EXPECT_EQ(copyCells(w.grid(), {3, 0, 4, 7}), copyCells(typed.grid(), {3, 0, 4, 7}));
    EXPECT_TRUE(w.prompter.messages.empty());

    EXPECT_EQ(w.window.undoText(), u"Undo Paste: rows 3-4, columns Addr-Position");
    w.window.undo();
    EXPECT_EQ(bytes(w), before);
    EXPECT_EQ(w.cell(3, 1), u"×");
    EXPECT_FALSE(w.window.canUndo());
}

TEST_F(CellPasteTest, ARefusedCellChangesNothingAndEveryRefusalIsListed) {
    expectRefused(u"√\tOptDet\tOptDet\t1200\n√\tOptDet\tNoSuchType\t2\n9\n", 5, 1,
                  "Nothing was pasted.\n"
                  "Row 5, Zone: \"1200\": Zone must be between 1 and 32; 1200 was not stored.\n"
                  "Row 6, ProductType: \"NoSuchType\": not an entry of the cell's list\n"
                  "Row 7, Reg: \"9\": the cell takes no typing");
}

TEST_F(CellPasteTest, ABlockPastTheGridChangesNothing) {
    expectRefused(u"√\n√\n", 324, 1, "Nothing was pasted.\nRows 324-325: past the last row, 324");
}

TEST_F(CellPasteTest, ALongListOfRefusalsIsCut) {
    std::u16string text;
    for (int i = 0; i < 23; ++i) {
        text += u"x\n";
    }
    expectRefused(text, 1, 0, [] {
        std::string message = "Nothing was pasted.";
        for (int row = 1; row <= 20; ++row) {
            message += "\nRow " + std::to_string(row) + ", Addr: \"x\": the cell takes no typing";
        }
        return message + "\n\u2026 and 3 more.";
    }());
}

} // namespace
} // namespace qb
