#include "MimicLedRecords.h"

#include "linkage/LinkageRules.h"
#include "store/LinkageTables.h"

#include <algorithm>
#include <bitset>
#include <memory>
#include <optional>
#include <utility>

namespace qb {

namespace {

using namespace mimicrecords;

// The one-byte settings of an LED and where its record keeps each; reading and writing both go
// through this list, so the two cannot disagree.
constexpr std::pair<std::size_t, std::uint8_t MimicLed::*> kByteFields[]{
    {kReg, &MimicLed::reg},   {kIndication, &MimicLed::indication},
    {kHost, &MimicLed::host}, {kCarried, &MimicLed::carried},
    {kLoop, &MimicLed::loop}, {kCause, &MimicLed::cause},
};

void writeRecord(LinkageInputTable& input, int index, int module, int ledNumber,
                 const MimicLed& led) {
    const auto r = input.record(index);
    std::ranges::fill(r, 0xFF);
    condition::mark(r, kKind);
    r[kModule] = static_cast<std::uint8_t>(module);
    r[kLed] = static_cast<std::uint8_t>(ledNumber);
    for (const auto& [at, field] : kByteFields) {
        r[at] = led.*field;
    }
    le::writeU16(r, kNumber, led.number);
    le::writeU16(r, kNoOutput, kFreeLink);
    r[kZero] = 0;
    input.setNextLink(index, kChainEnd);
}

} // namespace

bool mimicrecords::isMimicRecord(std::span<const std::uint8_t> record) {
    return condition::isMarkedAs(record, kKind);
}

bool MimicLed::consistent() const {
    if (reg != 1) {
        return true;
    }
    switch (cause) {
    case Device:
        return indication != 0 && hasHost() && hasLoop() && hasNumber();
    case Zone:
        return indication != 0 && hasNumber();
    case NcInput:
    case NoInput:
        return hasNumber();
    default:
        return false;
    }
}

namespace mimicrecords {

Settings load(const LinkageInputTable& input) {
    Settings settings{};
    std::bitset<kModules * kLeds> seen;
    for (const int index : ruleChain(input, kKind)) {
        const auto r = input.record(index);
        const int module = r[kModule];
        const int ledNumber = r[kLed];
        if (!isMimicRecord(r) || module < 1 || module > kModules || ledNumber < 1 ||
            ledNumber > kLeds) {
            continue;
        }
        const auto slot = static_cast<std::size_t>((module - 1) * kLeds + ledNumber - 1);
        if (seen.test(slot)) {
            continue;
        }
        seen.set(slot);
        // Every byte as the file holds it, known to the lists or not: the grid shows what it
        // cannot name as a bare number and asks the installer to choose.
        MimicLed& led = settings[module - 1][ledNumber - 1];
        for (const auto& [at, field] : kByteFields) {
            led.*field = r[at];
        }
        led.number = le::readU16(r, kNumber);
    }
    return settings;
}

bool store(LinkageInputTable& input, const Settings& settings) {
    // Built aside, so a pool too full for every LED leaves the table as it was.
    auto table = std::make_unique<LinkageInputTable>(input);

    // A damaged chain may run from kind list 5 into another kind's records; those stay where
    // they are and leave kind list 5.
    std::bitset<LinkageInputTable::kRecords> otherKinds;
    for (const LinkageKind kind : kAllLinkageKinds) {
        if (kind != kKind) {
            for (const int index : ruleChain(*table, kind)) {
                otherKinds.set(static_cast<std::size_t>(index));
            }
        }
    }
    // Room rules share the list but not this editor: they keep their records, their outputs and
    // their order, ahead of the LED records rebuilt behind them.
    std::optional<int> previous;
    table->setHead(kKind, kFreeLink);
    const auto append = [&](int index) {
        const auto link = static_cast<std::uint16_t>(index);
        if (previous) {
            table->setNextLink(*previous, link);
        } else {
            table->setHead(kKind, link);
        }
        table->setNextLink(index, kChainEnd);
        previous = index;
    };
    for (const int index : ruleChain(input, kKind)) {
        if (otherKinds.test(static_cast<std::size_t>(index))) {
            continue;
        }
        if (isMimicRecord(table->record(index))) {
            freeCondition(*table, index);
        } else {
            append(index);
        }
    }

    // Each record taken is the lowest free one, so the next free one always lies beyond it.
    int candidate = 0;
    for (int module = 1; module <= kModules; ++module) {
        for (int ledNumber = 1; ledNumber <= kLeds; ++ledNumber) {
            const MimicLed& led = settings[module - 1][ledNumber - 1];
            if (led.cause == MimicLed::Null) {
                continue;
            }
            while (candidate < LinkageInputTable::kRecords &&
                   table->nextLink(candidate) != kFreeLink) {
                ++candidate;
            }
            if (candidate == LinkageInputTable::kRecords) {
                return false;
            }
            writeRecord(*table, candidate, module, ledNumber, led);
            append(candidate);
        }
    }
    input = *table;
    return true;
}

} // namespace mimicrecords

} // namespace qb
