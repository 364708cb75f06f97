#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace qb {
namespace {

// File offsets written out literally, so a wrong constant in the code cannot hide in the test.
std::size_t headAt(int kind) {
    return 32 + 2 * static_cast<std::size_t>(kind - 1);
}
std::size_t conditionAt(int record) {
    return 48 + 60 * static_cast<std::size_t>(record);
}
std::size_t outputAt(int output) {
    return 32 + 8 * static_cast<std::size_t>(output);
}
constexpr std::size_t kFirstOutput[] = {0, 32, 34, 36, 36, 38, 46, 34}; // by kind

template <std::size_t N>
std::uint16_t word(const std::array<std::uint8_t, N>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
template <std::size_t N>
void setWord(std::array<std::uint8_t, N>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
template <std::size_t N>
bool allFF(const std::array<std::uint8_t, N>& bytes, std::size_t at, std::size_t count) {
    return std::all_of(bytes.begin() + at, bytes.begin() + at + count,
                       [](std::uint8_t b) { return b == 0xFF; });
}

class LinkageFixture : public ::testing::Test {
protected:
    const FileHeader headerTemplate = FileHeader::makeTemplate(SystemCode::TwoLoopSo3);
    LinkageInputTable input = LinkageInputTable::defaults(headerTemplate);
    LinkageResultTable result = LinkageResultTable::defaults(headerTemplate);

    int addRule(int kind) {
        const std::optional<int> record = appendRule(input, result, kind);
        EXPECT_TRUE(record.has_value());
        return record.value_or(-1);
    }
    void addOutputs(int record, int kind, int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(appendOutput(input, result, record, kind, 0, 0, 1));
        }
    }
    void expectUnchangedBy(auto edit) {
        const auto inputBefore = std::make_unique<LinkageInputTable>(input);
        const auto resultBefore = std::make_unique<LinkageResultTable>(result);
        edit();
        EXPECT_TRUE(input == *inputBefore);
        EXPECT_TRUE(result == *resultBefore);
    }
};

using LinkageRules = LinkageFixture;
using LinkageOutputs = LinkageFixture;
using LinkageChains = LinkageFixture;

TEST_F(LinkageRules, AFreshTableHoldsNoRuleAndNoRecord) {
    for (int kind = 1; kind <= 7; ++kind) {
        EXPECT_EQ(countRules(input, kind), 0);
        EXPECT_EQ(word(input.bytes, headAt(kind)), 0xFFFF);
        EXPECT_FALSE(recordAtPage(input, kind, 1));
    }
    EXPECT_EQ(registeredRuleCount(input), 0);
    EXPECT_TRUE(allFF(input.bytes, 48, 3000 * 60));
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
    EXPECT_EQ(lowestFreeCondition(input), 0);
    EXPECT_EQ(lowestFreeOutput(result), 0);
}

TEST_F(LinkageRules, AppendedRulesJoinTheEndOfTheirOwnKindList) {
    input.bytes[conditionAt(0) + 10] = 0x12; // leftovers in a free record
    EXPECT_EQ(addRule(1), 0);
    EXPECT_EQ(addRule(3), 1);
    EXPECT_EQ(addRule(1), 2);

    EXPECT_EQ(word(input.bytes, headAt(1)), 0);
    EXPECT_EQ(word(input.bytes, conditionAt(0) + 56), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(2) + 56), 0xFFFE);
    EXPECT_EQ(word(input.bytes, headAt(3)), 1);
    EXPECT_EQ(word(input.bytes, conditionAt(1) + 56), 0xFFFE);
    EXPECT_TRUE(allFF(input.bytes, conditionAt(0), 56));
    EXPECT_TRUE(allFF(input.bytes, conditionAt(0) + 58, 2));
    EXPECT_EQ(countRules(input, 1), 2);
    EXPECT_EQ(recordAtPage(input, 1, 2), 2);
    EXPECT_FALSE(recordAtPage(input, 1, 3));
    EXPECT_FALSE(recordAtPage(input, 1, 0));
}

TEST_F(LinkageRules, ThePoolTakesThreeThousandRulesAndNotOneMore) {
    for (int i = 0; i < 3000; ++i) {
        const int kind = i % 7 + 1;
        ASSERT_EQ(appendRule(input, result, kind), i);
        ASSERT_EQ(recordAtPage(input, kind, countRules(input, kind)), i); // the new last page
    }
    int total = 0;
    for (int kind = 1; kind <= 7; ++kind) {
        total += countRules(input, kind);
    }
    EXPECT_EQ(total, 3000);
    expectUnchangedBy([&] { EXPECT_FALSE(appendRule(input, result, 4)); });
}

TEST_F(LinkageRules, NoRuleIsAddedWithoutRoomForAnOutput) {
    for (int o = 0; o < 5000; ++o) {
        setWord(result.bytes, outputAt(o) + 4, 0xFFFE);
    }
    expectUnchangedBy([&] { EXPECT_FALSE(appendRule(input, result, 1)); });
    setWord(result.bytes, outputAt(4999) + 4, 0xFFFF);
    EXPECT_EQ(appendRule(input, result, 1), 0);
}

// Kind 2 pages 1..3 at records 0, 2, 3 with outputs 0, 2, 3; a kind 7 rule at record 1 with
// output 1 between them.
class LinkageDelete : public LinkageFixture {
protected:
    void SetUp() override {
        for (const int kind : {2, 7, 2, 2}) {
            addOutputs(addRule(kind), kind, 1);
        }
        ASSERT_EQ(recordAtPage(input, 2, 3), 3);
    }
    void expectFreed(int record, int output) {
        EXPECT_TRUE(allFF(input.bytes, conditionAt(record), 60));
        EXPECT_TRUE(allFF(result.bytes, outputAt(output), 8));
    }
};

TEST_F(LinkageDelete, PageOneHandsTheHeadToPageTwo) {
    EXPECT_EQ(deleteRule(input, result, 2, 1), 1);
    EXPECT_EQ(word(input.bytes, headAt(2)), 2);
    expectFreed(0, 0);
    EXPECT_EQ(countRules(input, 2), 2);
    EXPECT_EQ(recordAtPage(input, 7, 1), 1);
}

TEST_F(LinkageDelete, AMiddlePageIsBridgedAndItsPageShowsTheNextRule) {
    EXPECT_EQ(deleteRule(input, result, 2, 2), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(0) + 56), 3);
    expectFreed(2, 2);
    EXPECT_EQ(recordAtPage(input, 2, 2), 3);
    EXPECT_EQ(countRules(input, 2), 2);
}

TEST_F(LinkageDelete, TheLastPageEndsTheListAtItsPredecessor) {
    EXPECT_EQ(deleteRule(input, result, 2, 3), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(2) + 56), 0xFFFE);
    expectFreed(3, 3);
    EXPECT_EQ(word(result.bytes, outputAt(2) + 4), 0xFFFE); // other rules keep their outputs
}

TEST_F(LinkageDelete, TheOnlyPageEmptiesTheKind) {
    EXPECT_EQ(deleteRule(input, result, 7, 1), 0);
    EXPECT_EQ(word(input.bytes, headAt(7)), 0xFFFF);
    expectFreed(1, 1);
    EXPECT_EQ(countRules(input, 7), 0);
}

TEST_F(LinkageDelete, APageBeyondTheListChangesNothing) {
    expectUnchangedBy([&] { EXPECT_EQ(deleteRule(input, result, 2, 4), 3); });
    expectUnchangedBy([&] { EXPECT_EQ(deleteRule(input, result, 5, 1), 0); });
}

TEST_F(LinkageOutputs, AnAppendedOutputIsWrittenByteForByte) {
    const int rule = addRule(6);
    result.bytes[outputAt(0) + 6] = 0x00; // leftovers in a free record
    ASSERT_TRUE(appendOutput(input, result, rule, 6, 3, 83, 300));
    const std::array<std::uint8_t, 8> expected{3, 83, 0x2C, 0x01, 0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), result.bytes.begin() + outputAt(0)));
    EXPECT_EQ(word(input.bytes, conditionAt(rule) + 46), 0);

    ASSERT_TRUE(appendOutput(input, result, rule, 6, 0, 1, 2));
    EXPECT_EQ(word(result.bytes, outputAt(0) + 4), 1);
    EXPECT_EQ(word(result.bytes, outputAt(1) + 4), 0xFFFE);
    EXPECT_EQ(outputChain(input, result, rule, 6), (std::vector<int>{0, 1}));
}

TEST_F(LinkageOutputs, EachKindKeepsItsFirstOutputAtItsOwnOffset) {
    for (int kind = 1; kind <= 7; ++kind) {
        const int rule = addRule(kind);
        addOutputs(rule, kind, 1);
        const std::size_t field = conditionAt(rule) + kFirstOutput[kind];
        EXPECT_EQ(word(input.bytes, field), kind - 1) << "kind " << kind;
        EXPECT_TRUE(allFF(input.bytes, conditionAt(rule), kFirstOutput[kind])) << "kind " << kind;
        EXPECT_TRUE(allFF(input.bytes, field + 2, 54 - kFirstOutput[kind])) << "kind " << kind;
    }
}

class LinkageOutputRemoval : public LinkageFixture {
protected:
    int rule = -1;
    void SetUp() override {
        rule = addRule(3);
        addOutputs(rule, 3, 3);
    }
    std::uint16_t firstOutput() const { return word(input.bytes, conditionAt(rule) + 36); }
};

TEST_F(LinkageOutputRemoval, TheMiddleIsBridgedAndItsRecordReusedFirst) {
    removeOutput(input, result, rule, 3, 1);
    EXPECT_EQ(word(result.bytes, outputAt(0) + 4), 2);
    EXPECT_TRUE(allFF(result.bytes, outputAt(1), 8));
    ASSERT_TRUE(appendOutput(input, result, rule, 3, 0, 0, 9));
    EXPECT_EQ(outputChain(input, result, rule, 3), (std::vector<int>{0, 2, 1}));
}

TEST_F(LinkageOutputRemoval, FirstLastAndOnlyMoveTheRightLink) {
    removeOutput(input, result, rule, 3, 0);
    EXPECT_EQ(firstOutput(), 1);
    EXPECT_TRUE(allFF(result.bytes, outputAt(0), 8));
    removeOutput(input, result, rule, 3, 1);
    EXPECT_EQ(word(result.bytes, outputAt(1) + 4), 0xFFFE);
    EXPECT_TRUE(allFF(result.bytes, outputAt(2), 8));
    expectUnchangedBy([&] { removeOutput(input, result, rule, 3, 1); });
    removeOutput(input, result, rule, 3, 0);
    EXPECT_EQ(firstOutput(), 0xFFFF);
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
}

TEST_F(LinkageOutputs, NoOutputIsAddedToAFullPoolOrAFreeRule) {
    const int rule = addRule(1);
    expectUnchangedBy([&] { EXPECT_FALSE(appendOutput(input, result, 5, 1, 0, 0, 1)); });
    for (int o = 0; o < 5000; ++o) {
        setWord(result.bytes, outputAt(o) + 4, 0xFFFE);
    }
    expectUnchangedBy([&] { EXPECT_FALSE(appendOutput(input, result, rule, 1, 0, 0, 1)); });
}

class LinkageDisplay : public ::testing::Test {
protected:
    test::TempDir folder;
    std::unique_ptr<ConfigStore> store =
        ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()));
};

TEST_F(LinkageDisplay, ShowsSequenceBoardLoopAddressAndTypeName) {
    store->devices(3).working.device(1, 5).equipType = 48;
    EXPECT_EQ(outputDisplayText(1, 4, 5, *store), u"001 03-1-005SmkFan");
    store->devices(41).working.device(2, 120).equipType = 25; // from the device type table
    EXPECT_EQ(outputDisplayText(12, 81, 120, *store), u"012 V1-2-120Alarm2");
    store->devices(40).working.device(2, 99).equipType = 11;
    EXPECT_EQ(outputDisplayText(123, 79, 99, *store), u"123 40-2-099MCP");
    store->devices(12).working.device(1, 324).equipType = 0;
    EXPECT_EQ(outputDisplayText(99, 22, 324, *store), u"099 12-1-324");
    EXPECT_EQ(outputDisplayText(7, 83, 1, *store), u"007 V2-2-001OptDet");
    // Padding boundaries; equip type 2 is the start-up default.
    EXPECT_EQ(outputDisplayText(9, 17, 9, *store), u"009 09-2-009OptDet");
    EXPECT_EQ(outputDisplayText(10, 18, 100, *store), u"010 10-1-100OptDet");
    EXPECT_EQ(outputDisplayText(100, 16, 10, *store), u"100 09-1-010OptDet");
}

TEST_F(LinkageDisplay, AppendsATableNameAfterAListNameForTheSameCode) {
    store->deviceTypes.records[0].code = 48;
    store->devices(1).working.device(2, 10).equipType = 48;
    EXPECT_EQ(outputDisplayText(2, 1, 10, *store), u"002 01-2-010SmkFanAlarm1");
}

TEST_F(LinkageDisplay, AddressesOutsideTheTablesShowNoName) {
    EXPECT_EQ(outputDisplayText(1, 84, 1, *store), u"001 V3-1-001");
    EXPECT_EQ(outputDisplayText(1, 255, 324, *store), u"001 V88-2-324");
    EXPECT_EQ(outputDisplayText(1, 0, 0, *store), u"001 01-1-000");
    EXPECT_EQ(outputDisplayText(1, 0, 325, *store), u"001 01-1-325");
}

TEST_F(LinkageRules, RegisteredCountTakesDelayedRulesOfGeneralZoneAndSpecificOnly) {
    const auto setRegDelay = [&](int record, std::size_t reg, std::uint8_t delay) {
        input.bytes[conditionAt(record) + reg] = 1;
        input.bytes[conditionAt(record) + reg + 1] = delay;
    };
    setRegDelay(addRule(1), 30, 0);
    EXPECT_EQ(registeredRuleCount(input), 0);
    setRegDelay(0, 30, 5);
    EXPECT_EQ(registeredRuleCount(input), 1);

    for (const auto& [kind, reg] : {std::pair{3, 34}, {4, 33}, {5, 35}, {7, 30}}) {
        setRegDelay(addRule(kind), static_cast<std::size_t>(reg), 5);
        // Not counted, but the rule editors still place these fields through the same offsets.
        EXPECT_EQ(regOffset(kind), static_cast<std::size_t>(reg));
        EXPECT_EQ(delayOffset(kind), static_cast<std::size_t>(reg + 1));
    }
    setRegDelay(addRule(2), 30, 5); // kind 1's offsets mean nothing to kind 2
    setRegDelay(addRule(6), 30, 5);
    EXPECT_EQ(registeredRuleCount(input), 1);
    setRegDelay(addRule(2), 31, 5);
    setRegDelay(addRule(6), 44, 5);
    setRegDelay(lowestFreeCondition(input).value(), 30, 5); // a free record counts nothing
    EXPECT_EQ(registeredRuleCount(input), 3);
}

TEST_F(LinkageChains, ACycleReadsAsTheRecordsBeforeItAndIsClosedByAppend) {
    const int a = addRule(1);
    const int b = addRule(1);
    setWord(input.bytes, conditionAt(b) + 56, static_cast<std::uint16_t>(a));
    input.bytes[conditionAt(a) + 30] = 1;
    input.bytes[conditionAt(a) + 31] = 9;
    EXPECT_EQ(countRules(input, 1), 2);
    EXPECT_FALSE(recordAtPage(input, 1, 3));
    EXPECT_EQ(registeredRuleCount(input), 1);

    const int c = addRule(1);
    EXPECT_EQ(word(input.bytes, conditionAt(b) + 56), c);
    EXPECT_EQ(recordAtPage(input, 1, 3), c);
    EXPECT_EQ(deleteRule(input, result, 1, 3), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(b) + 56), 0xFFFE);
}

TEST_F(LinkageChains, ASelfLoopIsOneRule) {
    const int a = addRule(4);
    setWord(input.bytes, conditionAt(a) + 56, static_cast<std::uint16_t>(a));
    EXPECT_EQ(countRules(input, 4), 1);
    EXPECT_EQ(deleteRule(input, result, 4, 1), 0);
    EXPECT_EQ(word(input.bytes, headAt(4)), 0xFFFF);
    EXPECT_TRUE(allFF(input.bytes, conditionAt(a), 60));
}

TEST_F(LinkageChains, LinksOutsideThePoolEndTheList) {
    setWord(input.bytes, headAt(5), 4000);
    EXPECT_EQ(countRules(input, 5), 0);
    EXPECT_FALSE(recordAtPage(input, 5, 1));
    expectUnchangedBy([&] { EXPECT_EQ(deleteRule(input, result, 5, 1), 0); });
    EXPECT_EQ(addRule(5), 0);
    EXPECT_EQ(word(input.bytes, headAt(5)), 0);

    setWord(input.bytes, conditionAt(0) + 56, 3500);
    input.bytes[conditionAt(0) + 44] = 1;
    setWord(input.bytes, headAt(6), 0); // shares the record: its own offsets decide
    input.bytes[conditionAt(0) + 45] = 1;
    EXPECT_EQ(countRules(input, 5), 1);
    EXPECT_EQ(registeredRuleCount(input), 1);
    EXPECT_EQ(addRule(5), 1);
    EXPECT_EQ(word(input.bytes, conditionAt(0) + 56), 1);
}

TEST_F(LinkageChains, DamagedOutputChainsEndWhereTheyBreak) {
    const int rule = addRule(7);
    addOutputs(rule, 7, 2);
    setWord(result.bytes, outputAt(1) + 4, 0); // 0 -> 1 -> 0
    EXPECT_EQ(outputChain(input, result, rule, 7), (std::vector<int>{0, 1}));
    ASSERT_TRUE(appendOutput(input, result, rule, 7, 0, 0, 1));
    EXPECT_EQ(word(result.bytes, outputAt(1) + 4), 2);

    setWord(result.bytes, outputAt(2) + 4, 2); // self-loop at the end
    removeOutput(input, result, rule, 7, 1);
    EXPECT_EQ(outputChain(input, result, rule, 7), (std::vector<int>{0, 2}));
    setWord(result.bytes, outputAt(2) + 4, 0);
    freeOutputs(input, result, rule, 7);
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
    EXPECT_EQ(word(input.bytes, conditionAt(rule) + 34), 0xFFFF);

    setWord(input.bytes, conditionAt(rule) + 34, 7000);
    EXPECT_TRUE(outputChain(input, result, rule, 7).empty());
    ASSERT_TRUE(appendOutput(input, result, rule, 7, 0, 0, 1));
    EXPECT_EQ(word(input.bytes, conditionAt(rule) + 34), 0);
    setWord(result.bytes, outputAt(0) + 4, 0);
    EXPECT_EQ(deleteRule(input, result, 7, 1), 0);
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
}

TEST_F(LinkageChains, BadKindsAndRecordsAreIgnored) {
    const int rule = addRule(1);
    expectUnchangedBy([&] {
        EXPECT_FALSE(appendRule(input, result, 8));
        EXPECT_EQ(deleteRule(input, result, 0, 1), 0);
        EXPECT_FALSE(appendOutput(input, result, 3000, 1, 0, 0, 1));
        EXPECT_FALSE(appendOutput(input, result, rule, 9, 0, 0, 1));
        removeOutput(input, result, -1, 1, 0);
        freeOutputs(input, result, 65535, 1);
    });
    EXPECT_EQ(countRules(input, 0), 0);
    EXPECT_THROW(firstOutputOffset(8), std::out_of_range);
}

} // namespace
} // namespace qb
