#pragma once

#include "FileTags.h"
#include "store/HeaderedImage.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace qb {

// Manual control points (LDMA.BIN): 3601 slots of 12 bytes, free slots all 0xFF. A slot is free
// when its input address (bytes 2-3) is 0xFFFF, and the used ones lie together from the first.
struct HandControlTable : HeaderedImage<3601 * 12> {
    static constexpr int kSlots = 3601;
    static constexpr std::size_t kSlotSize = 12;
    static constexpr std::size_t kInputAddress = 2;

    // The number of points: the index of the first free slot.
    int pointCount() const;

    static HandControlTable defaults(const FileHeader& headerTemplate);
    bool operator==(const HandControlTable&) const = default;
};

// Broadcast controllers (BROD.BIN): 30 entries of 4 bytes (registered, size code, unused).
struct BroadcastTable : HeaderedImage<30 * 4> {
    static constexpr int kControllers = 30;
    static constexpr std::size_t kEntrySize = 4;

    // Controller n, 1..30. Byte 0 counts as registered for display whenever it is not 0, but
    // only a 1 makes the controller one that points can name.
    std::uint8_t& registration(int n) { return data.at(kEntrySize * (n - 1)); }
    std::uint8_t registration(int n) const { return data.at(kEntrySize * (n - 1)); }
    // 0, 1, 2 for 30, 60, 90 points.
    std::uint8_t& sizeCode(int n) { return data.at(kEntrySize * (n - 1) + 1); }
    std::uint8_t sizeCode(int n) const { return data.at(kEntrySize * (n - 1) + 1); }
    // The broadcast points controller n offers: 60 or 90 only when it is registered with size
    // code 1 or 2, else 30.
    int points(int n) const;

    static BroadcastTable defaults(const FileHeader& headerTemplate);
    bool operator==(const BroadcastTable&) const = default;
};

// Broadcast points (BCPD.BIN): 254 slots of 8 bytes, free slots all 0xFF. A slot is used when
// its byte 0 is not 0xFF; the used ones lie together from the first.
struct BroadcastPointTable : HeaderedImage<254 * 8> {
    static constexpr int kSlots = 254;
    static constexpr std::size_t kSlotSize = 8;
    // The fields of a slot.
    static constexpr std::size_t kRegistered = 0;
    static constexpr std::size_t kController = 1; // controller number - 1
    static constexpr std::size_t kPoint = 2;      // broadcast point number - 1
    static constexpr std::size_t kBoard = 3;      // 1..40; "V1" 40, "V2" 41
    static constexpr std::size_t kLoop = 4;
    static constexpr std::size_t kSpare = 5;   // 0 once a module is set
    static constexpr std::size_t kAddress = 6; // 16-bit
    static constexpr std::uint8_t kFree = 0xFF;

    using Slot = std::array<std::uint8_t, kSlotSize>;
    Slot slot(int index) const;
    void setSlot(int index, const Slot& slot);
    bool used(int index) const { return data.at(kSlotSize * index + kRegistered) != kFree; }

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
