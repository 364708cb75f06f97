#pragma once

#include "store/PanelTables.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace qb::hydrant {

// The hydrant table holds 50 input records, then a pool of 1000 output records. The first
// output of input m is always output record m; further outputs of any input come from the
// records 50..999 and hang on a chain through each record's next field, 0xFFFE ending it and
// 0xFFFF marking a free record.
//
// Every chain may come from a file and is not trusted: a walk ends at the end mark, at a free
// record, at a link outside 50..999 and at the first record it has already visited. A damaged
// chain therefore reads as its intact part, and storing or freeing an input works on that part
// only, which also mends the chain.
//
// Functions given an input outside 0..49 change nothing and find nothing.

inline constexpr int kInputs = HydrantTable::kInputs;
inline constexpr int kOutputs = HydrantTable::kOutputs;
inline constexpr int kFirstFurther = kInputs; // further outputs: records 50..999

// Batch rules (input byte 5): 0 the page's own list, 50 every hydrant module of every fitted
// board, 1..40 every hydrant module of that board.
inline constexpr std::uint8_t kRuleList = 0;
inline constexpr std::uint8_t kRuleAll = 50;

// Boards as the records hold them: 1..40 for IO boards, "V1" as 40, "V2" as 41.
inline constexpr std::uint8_t kV1Code = 40;
inline constexpr std::uint8_t kV2Code = 41;

struct Output {
    std::uint8_t board = 0;
    std::uint8_t loop = 0;
    std::uint16_t address = 0;
    bool operator==(const Output&) const = default;
};

struct Input {
    bool registered = false;
    std::uint8_t board = 0;
    std::uint8_t loop = 0;
    std::uint16_t address = 0;
    std::uint8_t rule = kRuleList;
};

bool inputUsed(const HydrantTable& table, int input);
// The used inputs, in input order.
std::vector<int> usedInputs(const HydrantTable& table);
std::optional<int> firstFreeInput(const HydrantTable& table);
Input readInput(const HydrantTable& table, int input);

// The output records of a used input, in order; none when its first record is free.
std::vector<int> outputChain(const HydrantTable& table, int input);
std::vector<Output> readOutputs(const HydrantTable& table, int input);

// The further outputs that storing `input` could take: the free records 50..999 and those the
// input holds now, which storing gives back first.
int furtherRoom(const HydrantTable& table, int input);

// Writes a used input and its outputs into record `input`, giving back its former further
// outputs first. With the list rule every output is chained; with a batch rule only the first is
// kept. False, with nothing changed, when `outputs` is empty or the further outputs do not fit.
bool storeInput(HydrantTable& table, int input, const Input& fields,
                const std::vector<Output>& outputs);

// Frees the input record with all its output records.
void freeInput(HydrantTable& table, int input);

} // namespace qb::hydrant
