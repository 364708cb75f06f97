#include "HydrantChains.h"

#include "store/LittleEndian.h"

#include <algorithm>
#include <bitset>
#include <span>

namespace qb::hydrant {

namespace {

// Input record fields; bytes 6-7 are never written.
constexpr std::size_t kRegistered = 0;
constexpr std::size_t kInputBoard = 1;
constexpr std::size_t kInputAddress = 2; // 16-bit
constexpr std::size_t kInputLoop = 4;
constexpr std::size_t kRule = 5;

// Output record fields; bytes 6-7 are never written.
constexpr std::size_t kOutputBoard = 0;
constexpr std::size_t kOutputLoop = 1;
constexpr std::size_t kOutputAddress = 2; // 16-bit
constexpr std::size_t kNext = 4;          // 16-bit

constexpr std::uint8_t kFreeByte = 0xFF;
constexpr std::uint16_t kEnd = 0xFFFE;
constexpr std::uint16_t kFreeLink = 0xFFFF;

bool validInput(int input) {
    return input >= 0 && input < kInputs;
}

// Output records follow the input records.
std::span<std::uint8_t> outputRecord(HydrantTable& table, int output) {
    return table.record(kInputs + output);
}
std::span<const std::uint8_t> outputRecord(const HydrantTable& table, int output) {
    return table.record(kInputs + output);
}

std::uint16_t nextOf(const HydrantTable& table, int output) {
    return le::readU16(outputRecord(table, output), kNext);
}

bool outputFree(const HydrantTable& table, int output) {
    return nextOf(table, output) == kFreeLink;
}

void clear(std::span<std::uint8_t> record) {
    std::fill(record.begin(), record.end(), kFreeByte);
}

void writeOutput(HydrantTable& table, int index, const Output& output, std::uint16_t next) {
    const auto bytes = outputRecord(table, index);
    bytes[kOutputBoard] = output.board;
    bytes[kOutputLoop] = output.loop;
    le::writeU16(bytes, kOutputAddress, output.address);
    le::writeU16(bytes, kNext, next);
}

int freeFurtherCount(const HydrantTable& table) {
    int count = 0;
    for (int output = kFirstFurther; output < kOutputs; ++output) {
        count += outputFree(table, output) ? 1 : 0;
    }
    return count;
}

} // namespace

bool inputUsed(const HydrantTable& table, int input) {
    return validInput(input) && table.record(input)[kRegistered] != kFreeByte;
}

std::vector<int> usedInputs(const HydrantTable& table) {
    std::vector<int> inputs;
    for (int input = 0; input < kInputs; ++input) {
        if (inputUsed(table, input)) {
            inputs.push_back(input);
        }
    }
    return inputs;
}

std::optional<int> firstFreeInput(const HydrantTable& table) {
    for (int input = 0; input < kInputs; ++input) {
        if (!inputUsed(table, input)) {
            return input;
        }
    }
    return std::nullopt;
}

Input readInput(const HydrantTable& table, int input) {
    if (!validInput(input)) {
        return {};
    }
    const auto bytes = table.record(input);
    return {bytes[kRegistered] == 1, bytes[kInputBoard], bytes[kInputLoop],
            le::readU16(bytes, kInputAddress), bytes[kRule]};
}

std::vector<int> outputChain(const HydrantTable& table, int input) {
    std::vector<int> chain;
    if (!inputUsed(table, input) || outputFree(table, input)) {
        return chain;
    }
    chain.push_back(input);
    std::bitset<kOutputs> visited;
    for (int next = nextOf(table, input);
         next >= kFirstFurther && next < kOutputs && !visited[static_cast<std::size_t>(next)] &&
         !outputFree(table, next);
         next = nextOf(table, next)) {
        visited[static_cast<std::size_t>(next)] = true;
        chain.push_back(next);
    }
    return chain;
}

std::vector<Output> readOutputs(const HydrantTable& table, int input) {
    std::vector<Output> outputs;
    for (int index : outputChain(table, input)) {
        const auto bytes = outputRecord(table, index);
        outputs.push_back(
            {bytes[kOutputBoard], bytes[kOutputLoop], le::readU16(bytes, kOutputAddress)});
    }
    return outputs;
}

int furtherRoom(const HydrantTable& table, int input) {
    const auto held = outputChain(table, input).size();
    return freeFurtherCount(table) + (held > 1 ? static_cast<int>(held) - 1 : 0);
}

bool storeInput(HydrantTable& table, int input, const Input& fields,
                const std::vector<Output>& outputs) {
    if (!validInput(input) || outputs.empty()) {
        return false;
    }
    const std::size_t kept = fields.rule == kRuleList ? outputs.size() : 1;
    if (static_cast<int>(kept) - 1 > furtherRoom(table, input)) {
        return false;
    }
    const std::vector<int> former = outputChain(table, input);
    for (std::size_t n = 1; n < former.size(); ++n) {
        clear(outputRecord(table, former[n]));
    }

    const auto bytes = table.record(input);
    bytes[kRegistered] = fields.registered ? 1 : 0;
    bytes[kInputBoard] = fields.board;
    le::writeU16(bytes, kInputAddress, fields.address);
    bytes[kInputLoop] = fields.loop;
    bytes[kRule] = fields.rule;

    // Each output is written with the end mark and linked on once its follower is placed, so
    // the lowest free record is always the next one not yet written.
    int previous = input;
    writeOutput(table, input, outputs[0], kEnd);
    int candidate = kFirstFurther;
    for (std::size_t n = 1; n < kept; ++n) {
        while (candidate < kOutputs && !outputFree(table, candidate)) {
            ++candidate;
        }
        if (candidate == kOutputs) {
            break; // the room was counted above; this only keeps a bad count inside the pool
        }
        writeOutput(table, candidate, outputs[n], kEnd);
        le::writeU16(outputRecord(table, previous), kNext, static_cast<std::uint16_t>(candidate));
        previous = candidate;
    }
    return true;
}

void freeInput(HydrantTable& table, int input) {
    if (!validInput(input)) {
        return;
    }
    for (int index : outputChain(table, input)) {
        clear(outputRecord(table, index));
    }
    clear(outputRecord(table, input));
    clear(table.record(input));
}

} // namespace qb::hydrant
