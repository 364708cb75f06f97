#pragma once

#include "BuiltFile.h"
#include "store/BoardDevices.h"
#include "store/SystemCode.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

// ID01..ID40, ID7F, ID7E: the header, then loop 1 and loop 2 of one board, one record per
// address 1..324. A record is 42 bytes (30-byte position field) or, under system code 0,
// 26 bytes (14-byte position field).
namespace device_file {
inline constexpr std::size_t kRegistration = 0;
inline constexpr std::size_t kReserved = 1;
inline constexpr std::size_t kAddress = 2; // uint16
inline constexpr std::size_t kLoopIndex = 4;
inline constexpr std::size_t kZone = 5;
inline constexpr std::size_t kEquipType = 6;
inline constexpr std::size_t kProductType = 7;
inline constexpr std::size_t kOutputMode = 8;
inline constexpr std::size_t kWorkMode = 9;
inline constexpr std::size_t kReserved2 = 10; // 2 bytes
inline constexpr std::size_t kPosition = 12;

inline std::size_t fileSize(SystemCode code) {
    return FileHeader::kSize + deviceRecordSize(code) * BoardDevices::kRecords;
}
} // namespace device_file

// Checks every position of both loops against the system code's limit; each that does not fit
// gives one message (with the device file number and address for Data export, with the address
// for the page's Save) and leaves its field empty.
BuiltFile buildDeviceFile(const BoardDevices& entry, int fileNumber, SystemCode code,
                          FileVariant variant);

// Takes the header and the records as far as the bytes hold them, a cut last record included:
// the twelve field bytes as they are and the position text, cut to 29 characters when longer.
// `cut` tells, for each position read, whether it was cut.
void readDeviceFile(std::span<const std::uint8_t> bytes, BoardDevices& entry, SystemCode code,
                    CutPositions& cut);

} // namespace qb
