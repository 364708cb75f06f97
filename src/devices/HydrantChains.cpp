#include "HydrantChains.h"

#include "store/LittleEndian.h"

#include <algorithm>
#include <bitset>
#include <span>

namespace qb::hydrant {

namespace {

using Fields = HydrantTable;

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
    return le::readU16(outputRecord(table, output), Fields::kNext);
}

bool outputFree(const HydrantTable& table, int output) {
    return nextOf(table, output) == Fields::kFreeLink;
}

void clear(std::span<std::uint8_t> record) {
    std::fill(record.begin(), record.end(), Fields::kFreeByte);
}

void writeOutput(HydrantTable& table, int index, const Output& output, std::uint16_t next) {
    const auto bytes = outputRecord(table, index);
    bytes[Fields::kOutputBoard] = output.board;
    bytes[Fields::kOutputLoop] = output.loop;
    le::writeU16(bytes, Fields::kOutputAddress, output.address);
    le::writeU16(bytes, Fields::kNext, next);
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
    return validInput(input) && table.record(input)[Fields::kRegistered] != Fields::kFreeByte;
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
    return {bytes[Fields::kRegistered] == 1, bytes[Fields::kInputBoard], bytes[Fields::kInputLoop],
            le::readU16(bytes, Fields::kInputAddress), bytes[Fields::kRule]};
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
        outputs.push_back({bytes[Fields::kOutputBoard], bytes[Fields::kOutputLoop],
                           le::readU16(bytes, Fields::kOutputAddress)});
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
    bytes[Fields::kRegistered] = fields.registered ? 1 : 0;
    bytes[Fields::kInputBoard] = fields.board;
    le::writeU16(bytes, Fields::kInputAddress, fields.address);
    bytes[Fields::kInputLoop] = fields.loop;
    bytes[Fields::kRule] = fields.rule;

    // Each output is written with the end mark and linked on once its follower is placed, so
    // the lowest free record is always the next one not yet written.
    int previous = input;
    writeOutput(table, input, outputs[0], Fields::kEnd);
    int candidate = kFirstFurther;
    for (std::size_t n = 1; n < kept; ++n) {
        while (candidate < kOutputs && !outputFree(table, candidate)) {
            ++candidate;
        }
        if (candidate == kOutputs) {
            break; // the room was counted above; this only keeps a bad count inside the pool
        }
        writeOutput(table, candidate, outputs[n], Fields::kEnd);
        le::writeU16(outputRecord(table, previous), Fields::kNext,
                     static_cast<std::uint16_t>(candidate));
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
