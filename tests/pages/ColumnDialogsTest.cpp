#include "pages/ColumnBatchDialog.h"
#include "support/FakePrompter.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

struct Case {
    std::u16string start;
    std::u16string end;
    const char* message; // nullptr: accepted
};

TEST(ColumnBatchDialog, EachColumnHasItsPromptListAndPreselection) {
    test::FakePrompter prompter;
    const struct {
        int column;
        const char16_t* prompt;
        std::size_t items;
        const char16_t* preselected;
    } columns[] = {
        {1, u"Choose whether or not register", 2, u"Not Reg"},
        {2, u"Select Equip", 47, u"OptDet"},
        {3, u"Select Product Type", 19, u"OptDet"},
        {4, u"Choose Zone NO.", 32, u"1"},
        {5, u"Select output mode", 2, u"Constant"},
        {6, u"Select work mode", 3, u"Normal"},
    };
    for (const auto& c : columns) {
        ColumnBatchDialog dialog(c.column, prompter);
        EXPECT_EQ(dialog.caption, u"Column Batch Setting");
        EXPECT_EQ(dialog.prompt(), c.prompt);
        ASSERT_EQ(dialog.items().size(), c.items);
        EXPECT_EQ(dialog.items()[dialog.selected()], c.preselected);
    }
    EXPECT_EQ(ColumnBatchDialog(5, prompter).items()[0], u"Pulse "); // with its blank
    EXPECT_EQ(ColumnBatchDialog(4, prompter).items()[31], u"32");
}

TEST(ColumnBatchDialog, OkChecksRunInOrderAndTheFirstFailureIsShown) {
    const Case cases[] = {
        {u"", u"", "Please enter the start address!"},
        {u"0", u"", "The starting address cannot be less than 1!"},
        {u"x", u"5", "The starting address cannot be less than 1!"},
        {u"3", u"", "Please enter the end address!"},
        {u"3", u"-2", "The end address cannot be less than 1!"},
        {u"9", u"400", "Address value cannot be greater than 324!"},
        {u"400", u"9", "Start address cannot be greater than the end address!"},
        {u"10", u"9", "Start address cannot be greater than the end address!"},
        {u"10", u"10", nullptr},
        {u"1", u"324", nullptr},
    };
    for (const Case& c : cases) {
        test::FakePrompter prompter;
        ColumnBatchDialog dialog(1, prompter);
        dialog.range.startText = c.start;
        dialog.range.endText = c.end;
        const bool accepted = dialog.pressOk();
        EXPECT_EQ(accepted, c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
        } else {
            EXPECT_TRUE(prompter.messages.empty());
        }
    }
}

TEST(PositionDescriptionDialog, ChecksTheLimitBeforeTheOrder) {
    test::FakePrompter prompter;
    PositionDescriptionDialog dialog(prompter, 29);
    EXPECT_EQ(dialog.caption, u"Position Description Column Setting");
    dialog.range.startText = u"400";
    dialog.range.endText = u"9";
    EXPECT_FALSE(dialog.pressOk());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Address value cannot be greater than 324!"});
}

TEST(AddressBoxes, LeavingABoxWithAValueOutOfRangeEmptiesIt) {
    test::FakePrompter prompter;
    ColumnBatchDialog dialog(2, prompter);
    dialog.range.startText = u"12";
    dialog.leaveStart();
    dialog.range.endText = u"400";
    dialog.leaveEnd();
    EXPECT_EQ(dialog.range.startText, u"12");
    EXPECT_EQ(dialog.range.endText, u"");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Address value within 1-324 is required!"});
    EXPECT_FALSE(dialog.pressOk());
    EXPECT_EQ(prompter.texts().back(), "Please enter the end address!");
    // Leaving an empty box says nothing.
    dialog.leaveEnd();
    EXPECT_EQ(prompter.messages.size(), 2u);
}

} // namespace
} // namespace qb
