#pragma once

#include "check/RecordFields.h"
#include "store/LinkageKind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;

// A linkage rule in the words of the editors, as the comparison and the report read it.
struct RuleView {
    int page = 0;   // its place in its kind list, 1-based
    int record = 0; // its condition record
    // What it listens to, which is what rules of two sets are matched by: "zone 04",
    // "types OptDet/HeatDet", "inputs IO02-L1-017 V1-L1-003 on host 002".
    std::vector<std::string> inputs;
    // Reg, the inputs, the delay and the kind's own settings ("fire signals 02", "scroll on"),
    // and the outputs: "02-1-017", "01-2-005 on host 002", or "type SmkFan" for the floor type
    // kind.
    RecordFields view;
    // "Num of fire signal" as stored (0xFF: none chosen), for the kinds that have it.
    std::optional<std::uint8_t> fireSignals;
    // The output records, in the order of view.outputs.
    std::vector<int> outputRecords;
};

// The rules of a kind in page order, without the mimic LED records that share kind list 5.
// The chains are walked as LinkageRules.h walks them, so a damaged one reads as its intact part.
std::vector<RuleView> ruleViews(const ConfigStore& store, LinkageKind kind);

} // namespace qb
