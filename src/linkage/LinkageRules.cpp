#include "LinkageRules.h"

#include "base/CellText.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdio>
#include <stdexcept>

namespace qb {

namespace {

template <class Table> std::optional<int> lowestFree(const Table& table) {
    for (int i = 0; i < Table::kRecords; ++i) {
        if (table.nextLink(i) == kFreeLink) {
            return i;
        }
    }
    return std::nullopt;
}

bool isRuleRecord(int record, LinkageKind kind) {
    return isLinkageKind(kind) &&
           LinkageInputTable::isRecordIndex(static_cast<std::uint32_t>(record));
}

std::uint16_t firstOutput(const LinkageInputTable& input, int record, LinkageKind kind) {
    return le::readU16(input.record(record), firstOutputOffset(kind));
}

void setFirstOutput(LinkageInputTable& input, int record, LinkageKind kind, std::uint16_t output) {
    le::writeU16(input.record(record), firstOutputOffset(kind), output);
}

} // namespace

std::optional<int> lowestFreeCondition(const LinkageInputTable& input) {
    return lowestFree(input);
}

std::optional<int> lowestFreeOutput(const LinkageResultTable& result) {
    return lowestFree(result);
}

void freeCondition(LinkageInputTable& input, int record) {
    if (LinkageInputTable::isRecordIndex(static_cast<std::uint32_t>(record))) {
        std::ranges::fill(input.record(record), 0xFF);
    }
}

void freeOutput(LinkageResultTable& result, int record) {
    if (LinkageResultTable::isRecordIndex(static_cast<std::uint32_t>(record))) {
        std::ranges::fill(result.record(record), 0xFF);
    }
}

std::optional<int> appendRule(LinkageInputTable& input, const LinkageResultTable& result,
                              LinkageKind kind) {
    if (!isLinkageKind(kind)) {
        return std::nullopt;
    }
    const std::optional<int> record = lowestFreeCondition(input);
    if (!record || !lowestFreeOutput(result)) {
        return std::nullopt;
    }
    const auto index = static_cast<std::uint16_t>(*record);
    const std::vector<int> chain = ruleChain(input, kind);
    if (chain.empty()) {
        input.setHead(kind, index); // also replaces a head that led nowhere valid
    } else {
        input.setNextLink(chain.back(), index);
    }
    freeCondition(input, *record);
    input.setNextLink(*record, kChainEnd);
    return record;
}

int deleteRule(LinkageInputTable& input, LinkageResultTable& result, LinkageKind kind, int page) {
    const std::vector<int> chain = ruleChain(input, kind);
    const int count = static_cast<int>(chain.size());
    if (count == 0) {
        return 0;
    }
    if (page < 1 || page > count) {
        return std::clamp(page, 1, count);
    }
    const auto at = [&](int p) { return chain[static_cast<std::size_t>(p - 1)]; };
    const int record = at(page);
    freeOutputs(input, result, record, kind);
    int shown = page;
    if (count == 1) {
        input.setHead(kind, kFreeLink);
        shown = 0;
    } else if (page == 1) {
        input.setHead(kind, static_cast<std::uint16_t>(at(2)));
    } else if (page == count) {
        input.setNextLink(at(page - 1), kChainEnd);
        shown = page - 1;
    } else {
        input.setNextLink(at(page - 1), static_cast<std::uint16_t>(at(page + 1)));
    }
    freeCondition(input, record);
    return shown;
}

std::vector<int> outputChain(const LinkageInputTable& input, const LinkageResultTable& result,
                             int record, LinkageKind kind) {
    if (!isRuleRecord(record, kind)) {
        return {};
    }
    return result.chainFrom(firstOutput(input, record, kind));
}

void freeOutputs(LinkageInputTable& input, LinkageResultTable& result, int record,
                 LinkageKind kind) {
    if (!isRuleRecord(record, kind)) {
        return;
    }
    for (const int output : outputChain(input, result, record, kind)) {
        freeOutput(result, output);
    }
    // A first output left pointing into the pool would claim whatever output reuses the record.
    setFirstOutput(input, record, kind, kFreeLink);
}

bool appendOutput(LinkageInputTable& input, LinkageResultTable& result, int record,
                  LinkageKind kind, std::uint8_t hostIndex, std::uint8_t loopIndex,
                  std::uint16_t address) {
    if (!isRuleRecord(record, kind) || input.nextLink(record) == kFreeLink) {
        return false;
    }
    const std::optional<int> output = lowestFreeOutput(result);
    if (!output) {
        return false;
    }
    const std::vector<int> chain = outputChain(input, result, record, kind);
    const auto span = result.record(*output);
    span[LinkageResultTable::kHostIndex] = hostIndex;
    span[LinkageResultTable::kLoopIndex] = loopIndex;
    le::writeU16(span, LinkageResultTable::kAddress, address);
    le::writeU16(span, LinkageResultTable::kNextLink, kChainEnd);
    // A record freed by a damaged file may hold anything here.
    span[LinkageResultTable::kUnused] = 0xFF;
    span[LinkageResultTable::kUnused + 1] = 0xFF;
    const auto index = static_cast<std::uint16_t>(*output);
    if (chain.empty()) {
        setFirstOutput(input, record, kind, index); // also replaces a link that led nowhere valid
    } else {
        result.setNextLink(chain.back(), index);
    }
    return true;
}

void removeOutput(LinkageInputTable& input, LinkageResultTable& result, int record,
                  LinkageKind kind, int position) {
    const std::vector<int> chain = outputChain(input, result, record, kind);
    const int count = static_cast<int>(chain.size());
    if (position < 0 || position >= count) {
        return;
    }
    const auto at = [&](int s) { return chain[static_cast<std::size_t>(s)]; };
    if (count == 1) {
        setFirstOutput(input, record, kind, kFreeLink);
    } else if (position == 0) {
        setFirstOutput(input, record, kind, static_cast<std::uint16_t>(at(1)));
    } else if (position == count - 1) {
        result.setNextLink(at(position - 1), kChainEnd);
    } else {
        result.setNextLink(at(position - 1), static_cast<std::uint16_t>(at(position + 1)));
    }
    freeOutput(result, at(position));
}

std::u16string outputDisplayText(int sequence, std::uint8_t loopIndex, std::uint16_t address,
                                 const ConfigStore& store) {
    // Fixed-width fields keep the lines of an output list aligned.
    char buffer[64];
    std::u16string text;

    const long n = sequence;
    std::snprintf(buffer, sizeof buffer, n < 10 ? "00%ld " : n < 100 ? "0%ld " : "%ld ", n);
    text += ascii(buffer);

    const long board = loopIndex / 2 + 1;
    if (board < 10) {
        std::snprintf(buffer, sizeof buffer, "0%ld-", board);
    } else if (board <= 40) {
        std::snprintf(buffer, sizeof buffer, "%ld-", board);
    } else {
        std::snprintf(buffer, sizeof buffer, "V%ld-", board - 40);
    }
    text += ascii(buffer);

    const long loop = loopIndex % 2 + 1;
    std::snprintf(buffer, sizeof buffer, "%ld-", loop);
    text += ascii(buffer);

    const long a = address;
    std::snprintf(buffer, sizeof buffer, a < 10 ? "00%ld" : a < 100 ? "0%ld" : "%ld", a);
    text += ascii(buffer);

    // Loop indices past V2 and addresses outside a loop address no device.
    if (board <= kDeviceFileCount && address >= 1 && address <= kAddressesPerLoop) {
        const DeviceRecord& device =
            store.devices(static_cast<int>(board)).working.device(static_cast<int>(loop), address);
        text += equipmentNames(device.equipType, store.deviceTypes);
    }
    return text;
}

} // namespace qb
