#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace qb {
namespace {

// File offsets written out literally, so a wrong constant in the code cannot hide in the test.
std::size_t headAt(LinkageKind kind) {
    return 32 + 2 * static_cast<std::size_t>(kindNumber(kind) - 1);
}
std::size_t conditionAt(int record) {
    return 48 + 60 * static_cast<std::size_t>(record);
}
std::size_t outputAt(int output) {
    return 32 + 8 * static_cast<std::size_t>(output);
}
constexpr std::size_t kFirstOutput[] = {0, 32, 34, 36, 36, 38, 46, 34}; // by kind number

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

    int addRule(LinkageKind kind) {
        const std::optional<int> record = appendRule(input, result, kind);
        EXPECT_TRUE(record.has_value());
        return record.value_or(-1);
    }
    void addOutputs(int record, LinkageKind kind, int count) {
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
    for (const LinkageKind kind : kAllLinkageKinds) {
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
    EXPECT_EQ(addRule(LinkageKind::General), 0);
    EXPECT_EQ(addRule(LinkageKind::Building), 1);
    EXPECT_EQ(addRule(LinkageKind::General), 2);

    EXPECT_EQ(word(input.bytes, headAt(LinkageKind::General)), 0);
    EXPECT_EQ(word(input.bytes, conditionAt(0) + 56), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(2) + 56), 0xFFFE);
    EXPECT_EQ(word(input.bytes, headAt(LinkageKind::Building)), 1);
    EXPECT_EQ(word(input.bytes, conditionAt(1) + 56), 0xFFFE);
    EXPECT_TRUE(allFF(input.bytes, conditionAt(0), 56));
    EXPECT_TRUE(allFF(input.bytes, conditionAt(0) + 58, 2));
    EXPECT_EQ(countRules(input, LinkageKind::General), 2);
    EXPECT_EQ(recordAtPage(input, LinkageKind::General, 2), 2);
    EXPECT_FALSE(recordAtPage(input, LinkageKind::General, 3));
    EXPECT_FALSE(recordAtPage(input, LinkageKind::General, 0));
}

TEST_F(LinkageRules, ThePoolTakesThreeThousandRulesAndNotOneMore) {
    for (int i = 0; i < 3000; ++i) {
        const LinkageKind kind = kAllLinkageKinds[static_cast<std::size_t>(i % 7)];
        ASSERT_EQ(appendRule(input, result, kind), i);
        ASSERT_EQ(recordAtPage(input, kind, countRules(input, kind)), i); // the new last page
    }
    int total = 0;
    for (const LinkageKind kind : kAllLinkageKinds) {
        total += countRules(input, kind);
    }
    EXPECT_EQ(total, 3000);
    expectUnchangedBy(
        [&] { EXPECT_FALSE(appendRule(input, result, LinkageKind::FloorByAddress)); });
}

TEST_F(LinkageRules, NoRuleIsAddedWithoutRoomForAnOutput) {
    for (int o = 0; o < 5000; ++o) {
        setWord(result.bytes, outputAt(o) + 4, 0xFFFE);
    }
    expectUnchangedBy([&] { EXPECT_FALSE(appendRule(input, result, LinkageKind::General)); });
    setWord(result.bytes, outputAt(4999) + 4, 0xFFFF);
    EXPECT_EQ(appendRule(input, result, LinkageKind::General), 0);
}

// Kind 2 pages 1..3 at records 0, 2, 3 with outputs 0, 2, 3; a kind 7 rule at record 1 with
// output 1 between them.
class LinkageDelete : public LinkageFixture {
protected:
    void SetUp() override {
        for (const LinkageKind kind :
             {LinkageKind::Zone, LinkageKind::FloorByType, LinkageKind::Zone, LinkageKind::Zone}) {
            addOutputs(addRule(kind), kind, 1);
        }
        ASSERT_EQ(recordAtPage(input, LinkageKind::Zone, 3), 3);
    }
    void expectFreed(int record, int output) {
        EXPECT_TRUE(allFF(input.bytes, conditionAt(record), 60));
        EXPECT_TRUE(allFF(result.bytes, outputAt(output), 8));
    }
};

TEST_F(LinkageDelete, PageOneHandsTheHeadToPageTwo) {
    EXPECT_EQ(deleteRule(input, result, LinkageKind::Zone, 1), 1);
    EXPECT_EQ(word(input.bytes, headAt(LinkageKind::Zone)), 2);
    expectFreed(0, 0);
    EXPECT_EQ(countRules(input, LinkageKind::Zone), 2);
    EXPECT_EQ(recordAtPage(input, LinkageKind::FloorByType, 1), 1);
}

TEST_F(LinkageDelete, AMiddlePageIsBridgedAndItsPageShowsTheNextRule) {
    EXPECT_EQ(deleteRule(input, result, LinkageKind::Zone, 2), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(0) + 56), 3);
    expectFreed(2, 2);
    EXPECT_EQ(recordAtPage(input, LinkageKind::Zone, 2), 3);
    EXPECT_EQ(countRules(input, LinkageKind::Zone), 2);
}

TEST_F(LinkageDelete, TheLastPageEndsTheListAtItsPredecessor) {
    EXPECT_EQ(deleteRule(input, result, LinkageKind::Zone, 3), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(2) + 56), 0xFFFE);
    expectFreed(3, 3);
    EXPECT_EQ(word(result.bytes, outputAt(2) + 4), 0xFFFE); // other rules keep their outputs
}

TEST_F(LinkageDelete, TheOnlyPageEmptiesTheKind) {
    EXPECT_EQ(deleteRule(input, result, LinkageKind::FloorByType, 1), 0);
    EXPECT_EQ(word(input.bytes, headAt(LinkageKind::FloorByType)), 0xFFFF);
    expectFreed(1, 1);
    EXPECT_EQ(countRules(input, LinkageKind::FloorByType), 0);
}

TEST_F(LinkageDelete, APageBeyondTheListChangesNothing) {
    expectUnchangedBy([&] { EXPECT_EQ(deleteRule(input, result, LinkageKind::Zone, 4), 3); });
    expectUnchangedBy(
        [&] { EXPECT_EQ(deleteRule(input, result, LinkageKind::RoomAndMimic, 1), 0); });
}

TEST_F(LinkageOutputs, AnAppendedOutputIsWrittenByteForByte) {
    const int rule = addRule(LinkageKind::Specific);
    result.bytes[outputAt(0) + 6] = 0x00; // leftovers in a free record
    ASSERT_TRUE(appendOutput(input, result, rule, LinkageKind::Specific, 3, 83, 300));
    const std::array<std::uint8_t, 8> expected{3, 83, 0x2C, 0x01, 0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), result.bytes.begin() + outputAt(0)));
    EXPECT_EQ(word(input.bytes, conditionAt(rule) + 46), 0);

    ASSERT_TRUE(appendOutput(input, result, rule, LinkageKind::Specific, 0, 1, 2));
    EXPECT_EQ(word(result.bytes, outputAt(0) + 4), 1);
    EXPECT_EQ(word(result.bytes, outputAt(1) + 4), 0xFFFE);
    EXPECT_EQ(outputChain(input, result, rule, LinkageKind::Specific), (std::vector<int>{0, 1}));
}

TEST_F(LinkageOutputs, EachKindKeepsItsFirstOutputAtItsOwnOffset) {
    for (const LinkageKind kind : kAllLinkageKinds) {
        const int k = kindNumber(kind);
        const int rule = addRule(kind);
        addOutputs(rule, kind, 1);
        const std::size_t field = conditionAt(rule) + kFirstOutput[k];
        EXPECT_EQ(word(input.bytes, field), k - 1) << "kind " << k;
        EXPECT_TRUE(allFF(input.bytes, conditionAt(rule), kFirstOutput[k])) << "kind " << k;
        EXPECT_TRUE(allFF(input.bytes, field + 2, 54 - kFirstOutput[k])) << "kind " << k;
    }
}

class LinkageOutputRemoval : public LinkageFixture {
protected:
    int rule = -1;
    void SetUp() override {
        rule = addRule(LinkageKind::Building);
        addOutputs(rule, LinkageKind::Building, 3);
    }
    std::uint16_t firstOutput() const { return word(input.bytes, conditionAt(rule) + 36); }
};

TEST_F(LinkageOutputRemoval, TheMiddleIsBridgedAndItsRecordReusedFirst) {
    removeOutput(input, result, rule, LinkageKind::Building, 1);
    EXPECT_EQ(word(result.bytes, outputAt(0) + 4), 2);
    EXPECT_TRUE(allFF(result.bytes, outputAt(1), 8));
    ASSERT_TRUE(appendOutput(input, result, rule, LinkageKind::Building, 0, 0, 9));
    EXPECT_EQ(outputChain(input, result, rule, LinkageKind::Building), (std::vector<int>{0, 2, 1}));
}

TEST_F(LinkageOutputRemoval, FirstLastAndOnlyMoveTheRightLink) {
    removeOutput(input, result, rule, LinkageKind::Building, 0);
    EXPECT_EQ(firstOutput(), 1);
    EXPECT_TRUE(allFF(result.bytes, outputAt(0), 8));
    removeOutput(input, result, rule, LinkageKind::Building, 1);
    EXPECT_EQ(word(result.bytes, outputAt(1) + 4), 0xFFFE);
    EXPECT_TRUE(allFF(result.bytes, outputAt(2), 8));
    expectUnchangedBy([&] { removeOutput(input, result, rule, LinkageKind::Building, 1); });
    removeOutput(input, result, rule, LinkageKind::Building, 0);
    EXPECT_EQ(firstOutput(), 0xFFFF);
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
}

TEST_F(LinkageOutputs, NoOutputIsAddedToAFullPoolOrAFreeRule) {
    const int rule = addRule(LinkageKind::General);
    expectUnchangedBy(
        [&] { EXPECT_FALSE(appendOutput(input, result, 5, LinkageKind::General, 0, 0, 1)); });
    for (int o = 0; o < 5000; ++o) {
        setWord(result.bytes, outputAt(o) + 4, 0xFFFE);
    }
    expectUnchangedBy(
        [&] { EXPECT_FALSE(appendOutput(input, result, rule, LinkageKind::General, 0, 0, 1)); });
}

TEST_F(LinkageRules, RegisteredCountTakesDelayedRulesOfGeneralZoneAndSpecificOnly) {
    const auto setRegDelay = [&](int record, std::size_t reg, std::uint8_t delay) {
        input.bytes[conditionAt(record) + reg] = 1;
        input.bytes[conditionAt(record) + reg + 1] = delay;
    };
    setRegDelay(addRule(LinkageKind::General), 30, 0);
    EXPECT_EQ(registeredRuleCount(input), 0);
    setRegDelay(0, 30, 5);
    EXPECT_EQ(registeredRuleCount(input), 1);

    for (const auto& [kind, reg] : {std::pair{LinkageKind::Building, 34},
                                    {LinkageKind::FloorByAddress, 33},
                                    {LinkageKind::RoomAndMimic, 35},
                                    {LinkageKind::FloorByType, 30}}) {
        setRegDelay(addRule(kind), static_cast<std::size_t>(reg), 5);
        // Not counted, but the rule editors still place these fields through the same offsets.
        EXPECT_EQ(regOffset(kind), static_cast<std::size_t>(reg));
        EXPECT_EQ(delayOffset(kind), static_cast<std::size_t>(reg + 1));
    }
    setRegDelay(addRule(LinkageKind::Zone), 30, 5); // kind 1's offsets mean nothing to kind 2
    setRegDelay(addRule(LinkageKind::Specific), 30, 5);
    EXPECT_EQ(registeredRuleCount(input), 1);
    setRegDelay(addRule(LinkageKind::Zone), 31, 5);
    setRegDelay(addRule(LinkageKind::Specific), 44, 5);
    setRegDelay(lowestFreeCondition(input).value(), 30, 5); // a free record counts nothing
    EXPECT_EQ(registeredRuleCount(input), 3);
}

TEST_F(LinkageChains, ACycleReadsAsTheRecordsBeforeItAndIsClosedByAppend) {
    const int a = addRule(LinkageKind::General);
    const int b = addRule(LinkageKind::General);
    setWord(input.bytes, conditionAt(b) + 56, static_cast<std::uint16_t>(a));
    input.bytes[conditionAt(a) + 30] = 1;
    input.bytes[conditionAt(a) + 31] = 9;
    EXPECT_EQ(countRules(input, LinkageKind::General), 2);
    EXPECT_FALSE(recordAtPage(input, LinkageKind::General, 3));
    EXPECT_EQ(registeredRuleCount(input), 1);

    const int c = addRule(LinkageKind::General);
    EXPECT_EQ(word(input.bytes, conditionAt(b) + 56), c);
    EXPECT_EQ(recordAtPage(input, LinkageKind::General, 3), c);
    EXPECT_EQ(deleteRule(input, result, LinkageKind::General, 3), 2);
    EXPECT_EQ(word(input.bytes, conditionAt(b) + 56), 0xFFFE);
}

TEST_F(LinkageChains, ASelfLoopIsOneRule) {
    const int a = addRule(LinkageKind::FloorByAddress);
    setWord(input.bytes, conditionAt(a) + 56, static_cast<std::uint16_t>(a));
    EXPECT_EQ(countRules(input, LinkageKind::FloorByAddress), 1);
    EXPECT_EQ(deleteRule(input, result, LinkageKind::FloorByAddress, 1), 0);
    EXPECT_EQ(word(input.bytes, headAt(LinkageKind::FloorByAddress)), 0xFFFF);
    EXPECT_TRUE(allFF(input.bytes, conditionAt(a), 60));
}

TEST_F(LinkageChains, LinksOutsideThePoolEndTheList) {
    setWord(input.bytes, headAt(LinkageKind::RoomAndMimic), 4000);
    EXPECT_EQ(countRules(input, LinkageKind::RoomAndMimic), 0);
    EXPECT_FALSE(recordAtPage(input, LinkageKind::RoomAndMimic, 1));
    expectUnchangedBy(
        [&] { EXPECT_EQ(deleteRule(input, result, LinkageKind::RoomAndMimic, 1), 0); });
    EXPECT_EQ(addRule(LinkageKind::RoomAndMimic), 0);
    EXPECT_EQ(word(input.bytes, headAt(LinkageKind::RoomAndMimic)), 0);

    setWord(input.bytes, conditionAt(0) + 56, 3500);
    input.bytes[conditionAt(0) + 44] = 1;
    setWord(input.bytes, headAt(LinkageKind::Specific),
            0); // shares the record: its own offsets decide
    input.bytes[conditionAt(0) + 45] = 1;
    EXPECT_EQ(countRules(input, LinkageKind::RoomAndMimic), 1);
    EXPECT_EQ(registeredRuleCount(input), 1);
    EXPECT_EQ(addRule(LinkageKind::RoomAndMimic), 1);
    EXPECT_EQ(word(input.bytes, conditionAt(0) + 56), 1);
}

TEST_F(LinkageChains, DamagedOutputChainsEndWhereTheyBreak) {
    const int rule = addRule(LinkageKind::FloorByType);
    addOutputs(rule, LinkageKind::FloorByType, 2);
    setWord(result.bytes, outputAt(1) + 4, 0); // 0 -> 1 -> 0
    EXPECT_EQ(outputChain(input, result, rule, LinkageKind::FloorByType), (std::vector<int>{0, 1}));
    ASSERT_TRUE(appendOutput(input, result, rule, LinkageKind::FloorByType, 0, 0, 1));
    EXPECT_EQ(word(result.bytes, outputAt(1) + 4), 2);

    setWord(result.bytes, outputAt(2) + 4, 2); // self-loop at the end
    removeOutput(input, result, rule, LinkageKind::FloorByType, 1);
    EXPECT_EQ(outputChain(input, result, rule, LinkageKind::FloorByType), (std::vector<int>{0, 2}));
    setWord(result.bytes, outputAt(2) + 4, 0);
    freeOutputs(input, result, rule, LinkageKind::FloorByType);
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
    EXPECT_EQ(word(input.bytes, conditionAt(rule) + 34), 0xFFFF);

    setWord(input.bytes, conditionAt(rule) + 34, 7000);
    EXPECT_TRUE(outputChain(input, result, rule, LinkageKind::FloorByType).empty());
    ASSERT_TRUE(appendOutput(input, result, rule, LinkageKind::FloorByType, 0, 0, 1));
    EXPECT_EQ(word(input.bytes, conditionAt(rule) + 34), 0);
    setWord(result.bytes, outputAt(0) + 4, 0);
    EXPECT_EQ(deleteRule(input, result, LinkageKind::FloorByType, 1), 0);
    EXPECT_TRUE(allFF(result.bytes, 32, 5000 * 8));
}

TEST_F(LinkageChains, BadKindsAndRecordsAreIgnored) {
    // An enum can still hold a number no kind has, say one cast from a file byte.
    const auto kind = [](int number) { return static_cast<LinkageKind>(number); };
    const int rule = addRule(LinkageKind::General);
    expectUnchangedBy([&] {
        EXPECT_FALSE(appendRule(input, result, kind(8)));
        EXPECT_EQ(deleteRule(input, result, kind(0), 1), 0);
        EXPECT_FALSE(appendOutput(input, result, 3000, LinkageKind::General, 0, 0, 1));
        EXPECT_FALSE(appendOutput(input, result, rule, kind(9), 0, 0, 1));
        removeOutput(input, result, -1, LinkageKind::General, 0);
        freeOutputs(input, result, 65535, LinkageKind::General);
    });
    EXPECT_EQ(countRules(input, kind(0)), 0);
    EXPECT_THROW(firstOutputOffset(kind(8)), std::out_of_range);
}

TEST_F(LinkageChains, AKindByteOutsideOneToSevenNamesNoKind) {
    const auto record = input.record(addRule(LinkageKind::Specific));
    condition::mark(record, LinkageKind::Specific);
    EXPECT_EQ(condition::kindOf(record), LinkageKind::Specific);
    for (const std::uint8_t byte : {0x00, 0x08, 0xFF}) {
        record[0] = byte;
        EXPECT_FALSE(condition::kindOf(record)) << int(byte);
        EXPECT_FALSE(condition::isMarkedAs(record, static_cast<LinkageKind>(byte))) << int(byte);
    }
}

} // namespace
} // namespace qb
