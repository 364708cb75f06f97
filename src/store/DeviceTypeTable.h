#pragma once

#include "FileHeader.h"
#include "FixedText.h"

#include <array>
#include <cstdint>

namespace qb {

// Alarm output and feedback types that extend the fixed device type list. The table keeps its
// start-up contents for the whole run.
struct DeviceTypeRecord {
    std::uint8_t code = 0;
    std::uint8_t reserved = 0;
    FixedText<11> name;

    bool operator==(const DeviceTypeRecord&) const = default;
};

struct DeviceTypeTable {
    static constexpr int kRecords = 32;

    FileHeader header;
    std::array<DeviceTypeRecord, kRecords> records{};

    static DeviceTypeTable defaults(const FileHeader& headerTemplate);

    bool operator==(const DeviceTypeTable&) const = default;
};

} // namespace qb
