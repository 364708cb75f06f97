#pragma once

#include "DeviceRecord.h"
#include "FileHeader.h"
#include "SystemCode.h"

#include <array>
#include <bitset>
#include <cstring>

namespace qb {

// The device block of one board (one device file): both loops, loop 1 addresses 1..324, then loop 2
// addresses 1..324.
struct BoardDevices {
    static constexpr int kRecords = kLoopsPerBoard * kAddressesPerLoop;

    FileHeader header;
    std::array<DeviceRecord, kRecords> records{};

    // Loop 1..2, address 1..324.
    DeviceRecord& device(int loop, int address) { return records.at(indexOf(loop, address)); }
    const DeviceRecord& device(int loop, int address) const {
        return records.at(indexOf(loop, address));
    }
    static int indexOf(int loop, int address) {
        return (loop - 1) * kAddressesPerLoop + (address - 1);
    }
    static int loopOf(int index) { return index / kAddressesPerLoop + 1; }
    static int addressOf(int index) { return index % kAddressesPerLoop + 1; }

    // The virtual boards start with a position per address that fits the system code's field.
    static BoardDevices defaults(const FileHeader& headerTemplate, int fileNumber, SystemCode code);

    bool operator==(const BoardDevices&) const = default;
    // Whether the two hold the same records, as == on them would say, in one comparison.
    bool sameRecords(const BoardDevices& other) const {
        return std::memcmp(records.data(), other.records.data(), sizeof records) == 0;
    }
};

// The device files a set holds: file 1 alone under the one-loop code, else all of them.
inline int deviceFileCount(SystemCode code) {
    return code == SystemCode::OneLoop ? 1 : kDeviceFileCount;
}

// One bit per record of a board: the loaded positions that had to be cut to fit, which the
// device page reports once. Not part of the records, so that no Cancel brings a report back.
using CutPositions = std::bitset<BoardDevices::kRecords>;

} // namespace qb
