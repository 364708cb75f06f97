#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qb {

// The controller family chosen once at start. It fixes the header format bytes, how many zones
// and IO boards the pages offer, and the device record layout on disk.
enum class SystemCode : std::uint8_t {
    TwoLoopSo12 = 0, // "1-2 Loop Fire alarm Panel", option "SO.***1 OR SO.***2"
    OneLoop = 1,     // "1 Loop Fire alarm Panel", option "SO.***1"
    TwoLoopSo3 = 2,  // "1-2 Loop Fire alarm Panel", option "SO.***3"
};

inline std::optional<SystemCode> systemCodeFromByte(std::uint8_t value) {
    if (value > 2) {
        return std::nullopt;
    }
    return static_cast<SystemCode>(value);
}

inline std::uint8_t toByte(SystemCode code) {
    return static_cast<std::uint8_t>(code);
}

// Zones and IO boards the pages offer; the tables are always sized for the larger numbers.
inline int zoneCount(SystemCode code) {
    return code == SystemCode::OneLoop ? 16 : 32;
}
inline int ioBoardCount(SystemCode code) {
    return code == SystemCode::OneLoop ? 1 : 40;
}

// On-disk device record: 26 bytes with a 14-byte position field under code 0, otherwise 42 bytes
// with a 30-byte field. The position text must leave room for its NUL.
inline std::size_t deviceRecordSize(SystemCode code) {
    return code == SystemCode::TwoLoopSo12 ? 26 : 42;
}
inline std::size_t positionFieldSize(SystemCode code) {
    return code == SystemCode::TwoLoopSo12 ? 14 : 30;
}
inline std::size_t positionLimitBytes(SystemCode code) {
    return code == SystemCode::TwoLoopSo12 ? 12 : 29;
}

} // namespace qb
