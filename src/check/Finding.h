#pragma once

#include "store/LinkageKind.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// How much a finding matters. Errors are what would give the controller broken or refused data;
// warnings are what a configuration still in progress may hold (references, capacity); notes
// are worth a look.
enum class Severity : std::uint8_t { Error, Warning, Note };

// Where the installer sees what a finding is about.
enum class FindingPage : std::uint8_t {
    None,
    Zones,
    Network,
    Displays,
    IoBoards,
    Devices,
    Linkage,
    Mimic,
    Keypad,
    HandControl,
    Broadcast,
    Hydrant,
    GasZones,
};

struct Finding {
    Severity severity = Severity::Note;
    FindingPage page = FindingPage::None;
    std::string file;  // the set's file it is about ("M001LDCO.BIN"), or ""
    int board = 0;     // device file 1..42, or 0
    int loop = 0;      // 1..2, or 0
    int address = 0;   // 1..324, or 0
    int item = 0;      // rule, point, zone or record number within its list, or 0
    std::string where; // the place as the installer reads it: "general rule 12", "IO02-L1-017"
    std::string text;  // what is wrong

    bool operator==(const Finding&) const = default;
};

std::string_view severityName(Severity severity); // "error", "warning", "note"
std::string_view pageName(FindingPage page);      // "Zone", "Detector/Module", ...; "" for None

// "error: M001LDCO.BIN, general rule 12: the output chain comes back to output record 7"
std::string findingLine(const Finding& finding);

// Linkage kinds and rules as the findings and the comparison name them.
std::string linkageKindName(LinkageKind kind);    // "general", "floor type"
std::string ruleName(LinkageKind kind, int page); // "general rule 12"

// Errors first, then warnings, then notes; the order found within each.
void sortBySeverity(std::vector<Finding>& findings);

} // namespace qb
