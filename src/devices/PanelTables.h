#pragma once

#include "store/HeaderedImage.h"

#include <cstdint>
#include <string_view>

namespace qb {

namespace tags {
inline constexpr std::string_view kHandControl = "LDHND";
inline constexpr std::string_view kBroadcast = "BRDDT";
inline constexpr std::string_view kBroadcastPoints = "BCPDT";
inline constexpr std::string_view kHydrant = "LDXHS";
inline constexpr std::string_view kGasZones = "QMPDT";
inline constexpr std::string_view kMimic = "MDMDT";
inline constexpr std::string_view kKeypad = "KEPAD";
} // namespace tags

// Manual control points (LDMA.BIN): 3601 slots of 12 bytes, free slots all 0xFF.
struct HandControlTable : HeaderedImage<3601 * 12> {
    static constexpr int kSlots = 3601;
    static HandControlTable defaults(const FileHeader& headerTemplate);
    bool operator==(const HandControlTable&) const = default;
};

// Broadcast controllers (BROD.BIN): 30 entries of 4 bytes (registered, size code, unused).
struct BroadcastTable : HeaderedImage<30 * 4> {
    static constexpr int kControllers = 30;
    static BroadcastTable defaults(const FileHeader& headerTemplate);
    bool operator==(const BroadcastTable&) const = default;
};

// Broadcast points (BCPD.BIN): 254 slots of 8 bytes, free slots all 0xFF.
struct BroadcastPointTable : HeaderedImage<254 * 8> {
    static constexpr int kSlots = 254;
    static BroadcastPointTable defaults(const FileHeader& headerTemplate);
    bool operator==(const BroadcastPointTable&) const = default;
};

// Four-wire hydrant control (XHSB.BIN): 50 input records, then 1000 pooled output records.
struct HydrantTable : HeaderedImage<(50 + 1000) * 8> {
    static constexpr int kInputs = 50;
    static constexpr int kOutputs = 1000;
    static HydrantTable defaults(const FileHeader& headerTemplate);
    bool operator==(const HydrantTable&) const = default;
};

// Gas extinguishing zones (QMPS.BIN): 64 records of 16 bytes.
struct GasZoneTable : HeaderedImage<64 * 16> {
    static constexpr int kZones = 64;
    static constexpr std::size_t kRecordSize = 16;
    static GasZoneTable defaults(const FileHeader& headerTemplate);
    bool operator==(const GasZoneTable&) const = default;
};

// Mimic display modules (MDM_.BIN): a registration byte per module 1..32, the MDM mode, three
// zero bytes.
struct MimicTable : HeaderedImage<36> {
    static constexpr int kModules = 32;
    static constexpr std::size_t kModeOffset = 32;

    std::uint8_t& registration(int module) { return data.at(module - 1); }
    std::uint8_t registration(int module) const { return data.at(module - 1); }
    std::uint8_t mode() const { return data[kModeOffset]; }
    void setMode(std::uint8_t mode) { data[kModeOffset] = mode; }
    bool anyRegistered() const;

    static MimicTable defaults(const FileHeader& headerTemplate);
    bool operator==(const MimicTable&) const = default;
};

// Zone control panel keypads (KPAD.BIN): 50 records of 8 bytes; a record is free when its
// button byte (2) is 0xFF, and the used ones lie together from the first.
struct KeypadTable : HeaderedImage<50 * 8> {
    static constexpr int kRecords = 50;
    static constexpr std::size_t kRecordSize = 8;
    static constexpr std::size_t kButton = 2;

    // The number of points: the index of the first free record.
    int pointCount() const;

    static KeypadTable defaults(const FileHeader& headerTemplate);
    bool operator==(const KeypadTable&) const = default;
};

} // namespace qb
