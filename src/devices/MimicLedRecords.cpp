#include "MimicLedRecords.h"

#include "linkage/LinkageRules.h"
#include "linkage/LinkageTables.h"
#include "store/NetworkTable.h"

#include <algorithm>
#include <bitset>
#include <memory>

namespace qb {

namespace {

using namespace mimicrecords;

bool isMimicRecord(std::span<const std::uint8_t, LinkageInputTable::kRecordSize> record) {
    return record[kKindByte] == kKind && record[kMarker] == 1;
}

void writeRecord(LinkageInputTable& input, int index, int module, int ledNumber,
                 const MimicLed& led) {
    const auto r = input.record(index);
    std::ranges::fill(r, 0xFF);
    r[kKindByte] = kKind;
    r[kMarker] = 1;
    r[kModule] = static_cast<std::uint8_t>(module);
    r[kLed] = static_cast<std::uint8_t>(ledNumber);
    r[kReg] = led.reg;
    r[kIndication] = led.indication;
    r[kHost] = led.host;
    r[kCarried] = led.carried;
    r[kLoop] = led.loop;
    r[kCause] = led.cause;
    le::writeU16(r, kNumber, led.number);
    le::writeU16(r, kNoOutput, kFreeLink);
    r[kZero] = 0;
    input.setNextLink(index, kChainEnd);
}

} // namespace

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
        MimicLed& led = settings[module - 1][ledNumber - 1];
        led.reg = r[kReg] == 1 ? 1 : 0;
        // Values the lists cannot offer read as not chosen: the grid check then asks for them, and
        // an LED without a known cause is no longer stored.
        led.cause = r[kCause] < kCauses ? r[kCause] : std::uint8_t{MimicLed::Null};
        led.indication = r[kIndication] < kIndications ? r[kIndication] : 0;
        led.host = r[kHost] < NetworkTable::kHosts ? r[kHost] : MimicLed::kNoHost;
        led.loop = r[kLoop];
        led.number = le::readU16(r, kNumber);
        led.carried = r[kCarried];
    }
    return settings;
}

bool store(LinkageInputTable& input, const Settings& settings) {
    // Built aside, so a pool too full for every LED leaves the table as it was.
    auto table = std::make_unique<LinkageInputTable>(input);

    // A damaged chain may run from kind list 5 into another kind's records; those stay.
    std::bitset<LinkageInputTable::kRecords> otherKinds;
    for (int kind = 1; kind <= kLinkageKinds; ++kind) {
        if (kind != kKind) {
            for (const int index : ruleChain(*table, kind)) {
                otherKinds.set(static_cast<std::size_t>(index));
            }
        }
    }
    for (const int index : ruleChain(*table, kKind)) {
        if (!otherKinds.test(static_cast<std::size_t>(index))) {
            freeCondition(*table, index);
        }
    }
    table->setHead(kKind, kFreeLink);

    // Each record taken is the lowest free one, so the next free one always lies beyond it.
    int candidate = 0;
    std::optional<int> previous;
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
            const auto link = static_cast<std::uint16_t>(candidate);
            if (previous) {
                table->setNextLink(*previous, link);
            } else {
                table->setHead(kKind, link);
            }
            previous = candidate;
        }
    }
    input = *table;
    return true;
}

} // namespace mimicrecords

} // namespace qb
