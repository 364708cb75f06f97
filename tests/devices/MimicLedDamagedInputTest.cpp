#include "MimicLedFixture.h"
#include "linkage/LinkageRules.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Bytes;
using test::Editor;
using test::MimicLedTest;

// --- damaged input --------------------------------------------------------------------------

TEST_F(MimicLedTest, RecordsOutsideThePanelArePassedOverAndDropped) {
    placeRecord(0, 0, 1, 1);   // module 0
    placeRecord(1, 33, 1, 2);  // module 33
    placeRecord(2, 3, 0, 3);   // LED 0
    placeRecord(3, 3, 129, 4); // LED 129
    placeRecord(4, 0xFF, 0xFF, 5);
    placeRecord(5, 3, 7, 6);         // the one good record
    placeRecord(6, 3, 7, kChainEnd); // the same LED again
    input().record(6)[8] = 3;
    input().setHead(LinkageKind::RoomAndMimic, 0);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.led(3, 7).indication, 1); // the first record for the LED counts
    EXPECT_EQ(editor.grid().text(7, Editor::Zone), u"02");
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(countRules(input(), LinkageKind::RoomAndMimic), 1);
    EXPECT_EQ(input().record(0)[5], 7);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(input().nextLink(i), kFreeLink) << i;
    }
}

TEST_F(MimicLedTest, LoadedValuesWithoutAListEntryAreKeptShownAndRefused) {
    const struct {
        std::size_t offset;
        std::uint8_t value;
        std::uint8_t reg;
        int column;
        const char16_t* shown;
    } cases[] = {
        {6, 7, 7, Editor::Reg, u"Error"},        // neither registered nor not
        {12, 9, 1, Editor::Cause, u"9"},         // no such cause
        {8, 200, 1, Editor::Indication, u"200"}, // no such indication
        {9, 254, 1, Editor::Host, u"255"},       // no such host
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        input() = LinkageInputTable::defaults(store->headerTemplate());
        placeRecord(0, 3, 1, kChainEnd); // a complete "Zone to LED" row ...
        const auto r = input().record(0);
        r[20] = 0;
        if (c.column == Editor::Host) { // ... or "Device to LED"
            r[12] = 1;
            r[9] = 0;
            r[11] = 0;
            le::writeU16(r, 14, 5);
        }
        r[6] = c.reg;
        r[c.offset] = c.value;
        input().setHead(LinkageKind::RoomAndMimic, 0);
        const Bytes loaded = recordBytes(0);

        Editor editor(*store, prompter);
        editor.open();
        EXPECT_EQ(editor.grid().text(1, c.column), c.shown);
        if (c.column != Editor::Reg) {
            // A list opened and left without a pick stores nothing.
            editor.clickCell(1, c.column);
            EXPECT_EQ(editor.cellEditor().selected, -1);
            editor.commitList(editor.cellEditor().selected);
            EXPECT_EQ(editor.grid().text(1, c.column), c.shown);
        }
        prompter.messages.clear();
        EXPECT_FALSE(editor.pressSave());
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{Editor::kCheckData});
        EXPECT_EQ(recordBytes(0), loaded);

        // Off the shown board, the LED is written back as it was loaded.
        editor.chooseBoard(1);
        ASSERT_TRUE(editor.pressSave());
        EXPECT_EQ(recordBytes(0), loaded);

        // A row showing "×" needs nothing: it is written back as it was loaded.
        if (c.reg == 1) {
            input().record(0)[6] = 0;
            const Bytes unregistered = recordBytes(0);
            Editor again(*store, prompter);
            again.open();
            ASSERT_TRUE(again.pressSave());
            EXPECT_EQ(recordBytes(0), unregistered);
        }
    }
}

TEST_F(MimicLedTest, CyclicChainOpensAndSavesWithoutHanging) {
    placeRecord(10, 3, 1, 11);
    placeRecord(11, 3, 2, 10); // back to the first
    input().setHead(LinkageKind::RoomAndMimic, 10);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.led(3, 1).cause, MimicLed::Zone);
    EXPECT_EQ(editor.led(3, 2).cause, MimicLed::Zone);
    ASSERT_TRUE(editor.pressSave());
    const std::vector<int> chain = ruleChain(input(), LinkageKind::RoomAndMimic);
    EXPECT_EQ(chain, (std::vector<int>{0, 1}));
    EXPECT_EQ(input().nextLink(1), kChainEnd);
    EXPECT_EQ(input().nextLink(10), kFreeLink);
    EXPECT_EQ(input().nextLink(11), kFreeLink);
}

TEST_F(MimicLedTest, ChainRunningIntoAnotherKindLeavesThatKindAlone) {
    const std::optional<int> general =
        appendRule(input(), store->linkageResults.working, LinkageKind::General);
    ASSERT_EQ(general, 0);
    input().record(0)[0] = 1;
    const Bytes generalBefore = recordBytes(0);
    placeRecord(1, 3, 1, 0); // damaged: links on into the general rule
    input().setHead(LinkageKind::RoomAndMimic, 1);
    Editor editor(*store, prompter);
    editor.open();
    ASSERT_TRUE(editor.pressSave());
    EXPECT_EQ(recordBytes(0), generalBefore);
    EXPECT_EQ(input().head(LinkageKind::General), 0);
    EXPECT_EQ(ruleChain(input(), LinkageKind::RoomAndMimic), std::vector<int>{1});
}

TEST_F(MimicLedTest, RoomRulesStayFirstInKindFiveWithTheirOutputsThroughEverySave) {
    // Kind list 5 as a file brings it: a room rule, an LED record, another room rule.
    placeRecord(0, 9, 9, 1);
    input().record(0)[1] = 0xFF; // written by a room linkage, not by us
    placeRecord(1, 3, 2, 2);
    placeRecord(2, 9, 9, kChainEnd);
    input().record(2)[1] = 0xFF;
    input().setHead(LinkageKind::RoomAndMimic, 0);
    LinkageResultTable& results = store->linkageResults.working;
    ASSERT_TRUE(appendOutput(input(), results, 0, LinkageKind::RoomAndMimic, 0, 0, 7));
    ASSERT_TRUE(appendOutput(input(), results, 2, LinkageKind::RoomAndMimic, 0, 0, 8));
    ASSERT_TRUE(appendOutput(input(), results, 2, LinkageKind::RoomAndMimic, 0, 0, 9));
    const auto body = [&](int index) { // all but the next link
        Bytes b = recordBytes(index);
        b.resize(56);
        return b;
    };
    const Bytes roomA = body(0);
    const Bytes roomB = body(2);
    const LinkageResultTable resultsBefore = results;

    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.grid().text(2, Editor::Zone), u"02");
    zoneRow(editor, 5);
    ASSERT_TRUE(editor.pressSave());
    // The room rules keep their place, bytes and outputs; the LEDs follow in the lowest free
    // records.
    EXPECT_EQ(ruleChain(input(), LinkageKind::RoomAndMimic), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(body(0), roomA);
    EXPECT_EQ(body(2), roomB);
    EXPECT_EQ(input().record(1)[5], 2);
    EXPECT_EQ(input().record(3)[5], 5);
    EXPECT_TRUE(results == resultsBefore);

    // Saving again takes nothing more from either pool.
    const LinkageInputTable afterFirst = input();
    Editor again(*store, prompter);
    again.open();
    ASSERT_TRUE(again.pressSave());
    EXPECT_TRUE(input() == afterFirst);
    EXPECT_TRUE(results == resultsBefore);
}

TEST_F(MimicLedTest, RoomRulesInKindFiveAreNotShownAsLeds) {
    placeRecord(0, 3, 1, kChainEnd);
    input().record(0)[1] = 0xFF; // written by a room linkage, not by us
    input().setHead(LinkageKind::RoomAndMimic, 0);
    Editor editor(*store, prompter);
    editor.open();
    EXPECT_EQ(editor.led(3, 1).cause, MimicLed::Null);
}

} // namespace
} // namespace qb
