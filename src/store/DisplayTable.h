#pragma once

#include "FileHeader.h"
#include "FixedText.h"

#include <array>
#include <cstdint>

namespace qb {

// Fire display (repeater) panels.
struct DisplayRecord {
    static constexpr std::uint8_t kAllDisplay = 1;  // "All-Disp"
    static constexpr std::uint8_t kZoneDisplay = 2; // "Zone-Disp"

    std::uint8_t registration = 0;
    std::uint8_t type = kZoneDisplay;
    std::uint8_t zone = 0; // zone number minus 1
    std::uint8_t reserved = 0;
    FixedText<41> name; // at most 40 characters; on disk at most 40 bytes of UTF-8

    bool operator==(const DisplayRecord&) const = default;
};

struct DisplayTable {
    static constexpr int kDisplays = 30;

    FileHeader header;
    std::array<DisplayRecord, kDisplays> displays{};

    // Display d, 1-based.
    DisplayRecord& display(int d) { return displays.at(d - 1); }
    const DisplayRecord& display(int d) const { return displays.at(d - 1); }

    static DisplayTable defaults(const FileHeader& headerTemplate) {
        DisplayTable table;
        table.header = FileHeader::fromTemplate(headerTemplate, tags::kDisplay);
        return table;
    }

    bool operator==(const DisplayTable&) const = default;
};

} // namespace qb
