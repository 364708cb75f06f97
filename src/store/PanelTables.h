#pragma once

#include "FileTags.h"
#include "store/HeaderedImage.h"
#include "store/RecordImage.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace qb {

// A manual control point by its fields: a ManualCtrl module of this host and the one output
// module it switches, on any host.
struct HandControlPoint {
    static constexpr std::uint8_t kUnset = 0xFF;        // every byte of a free slot
    static constexpr std::uint16_t kNoAddress = 0xFFFF; // a free slot's input; no output
    static constexpr std::uint16_t kBegunAddress = 0;   // a begun point: used, no module yet

    std::uint8_t registration = kUnset; // 1: registered
    std::uint8_t inputBoard = kUnset;
    std::uint16_t inputAddress = kNoAddress;
    std::uint8_t inputLoop = kUnset;
    std::uint8_t outputHost = kUnset;
    std::uint8_t outputBoard = kUnset; // 1..40; 41 and 42 for "V1" and "V2"
    std::uint8_t outputLoop = kUnset;
    std::uint16_t outputAddress = kNoAddress;
    std::array<std::uint8_t, 2> spare{kUnset, kUnset};
};

// Manual control points (LDMA.BIN): 3601 slots of 12 bytes, free slots all 0xFF. A slot is free
// when its input address is 0xFFFF, and the used ones lie together from the first.
struct HandControlTable : RecordImage<3601, 12> {
    // The number of points: the index of the first free slot.
    int pointCount() const;
    HandControlPoint point(int index) const;
    void setPoint(int index, const HandControlPoint& point);

    static HandControlTable defaults(const FileHeader& headerTemplate);
    bool operator==(const HandControlTable&) const = default;
};

// Broadcast controllers (BROD.BIN): 30 entries of 4 bytes (registered, size code, unused).
struct BroadcastTable : RecordImage<30, 4> {
    static constexpr int kControllers = kRecords;

    // Controller n, 1..30. Byte 0 counts as registered for display whenever it is not 0, but
    // only a 1 makes the controller one that points can name.
    std::uint8_t& registration(int n) { return record(n - 1)[0]; }
    std::uint8_t registration(int n) const { return record(n - 1)[0]; }
    // 0, 1, 2 for 30, 60, 90 points.
    std::uint8_t& sizeCode(int n) { return record(n - 1)[1]; }
    std::uint8_t sizeCode(int n) const { return record(n - 1)[1]; }
    // The broadcast points controller n offers: 60 or 90 only when it is registered with size
    // code 1 or 2, else 30.
    int points(int n) const;

    static BroadcastTable defaults(const FileHeader& headerTemplate);
    bool operator==(const BroadcastTable&) const = default;
};

// Broadcast points (BCPD.BIN): 254 slots of 8 bytes, free slots all 0xFF. A slot is used when
// its byte 0 is not 0xFF; the used ones lie together from the first.
struct BroadcastPointTable : RecordImage<254, 8> {
    // The fields of a slot.
    static constexpr std::size_t kRegistered = 0;
    static constexpr std::size_t kController = 1; // controller number - 1
    static constexpr std::size_t kPoint = 2;      // broadcast point number - 1
    static constexpr std::size_t kBoard = 3;      // 1..40; "V1" 40, "V2" 41
    static constexpr std::size_t kLoop = 4;
    static constexpr std::size_t kSpare = 5;   // 0 once a module is set
    static constexpr std::size_t kAddress = 6; // 16-bit
    static constexpr std::uint8_t kFree = 0xFF;

    using Slot = std::array<std::uint8_t, kRecordSize>;
    Slot slot(int index) const;
    void setSlot(int index, const Slot& slot);
    bool used(int index) const { return record(index)[kRegistered] != kFree; }
    // The number of points: the index of the first free slot.
    int pointCount() const;

    static BroadcastPointTable defaults(const FileHeader& headerTemplate);
    bool operator==(const BroadcastPointTable&) const = default;
};

// Four-wire hydrant control (XHSB.BIN): 50 input records, then 1000 pooled output records, all
// of 8 bytes.
struct HydrantTable : RecordImage<50 + 1000, 8> {
    static constexpr int kInputs = 50;
    static constexpr int kOutputs = kRecords - kInputs;

    // The fields of an input record; bytes 6-7 are never written.
    static constexpr std::size_t kRegistered = 0;
    static constexpr std::size_t kInputBoard = 1;
    static constexpr std::size_t kInputAddress = 2; // 16-bit
    static constexpr std::size_t kInputLoop = 4;
    static constexpr std::size_t kRule = 5;

    // The fields of an output record; bytes 6-7 are never written.
    static constexpr std::size_t kOutputBoard = 0;
    static constexpr std::size_t kOutputLoop = 1;
    static constexpr std::size_t kOutputAddress = 2; // 16-bit
    static constexpr std::size_t kNext = 4;          // 16-bit: the next output of the input

    static constexpr std::uint8_t kFreeByte = 0xFF;
    static constexpr std::uint16_t kEnd = 0xFFFE;      // last output of its chain
    static constexpr std::uint16_t kFreeLink = 0xFFFF; // the output record is free
    static HydrantTable defaults(const FileHeader& headerTemplate);
    bool operator==(const HydrantTable&) const = default;
};

// Gas extinguishing zones (QMPS.BIN): 64 records of 16 bytes, zone 1 first.
struct GasZoneTable : RecordImage<64, 16> {
    static constexpr int kZones = kRecords;

    // The fields of a zone's record.
    static constexpr std::size_t kRegistered = 0;
    static constexpr std::size_t kManualRelease = 1; // kAllow / kForbid
    static constexpr std::size_t kConfirmInput = 2;  // kPressureSwitch / kRelayDriver
    static constexpr std::size_t kManualDelay = 3;   // seconds, 0..10
    static constexpr std::size_t kReleaseDelay = 4;  // seconds, 0..30
    static constexpr std::size_t kHornButton = 5;    // kAllow / kForbid
    static constexpr std::size_t kSmokeCount = 7;    // 0..10
    static constexpr std::size_t kHeatCount = 8;     // 1..10
    static constexpr std::size_t kValveDrive = 10;   // kValveConstant, or 1..6 for 5..30 s
    static constexpr std::uint8_t kAllow = 0xAC;
    static constexpr std::uint8_t kForbid = 0xA5;
    static constexpr std::uint8_t kPressureSwitch = 0xAC;
    static constexpr std::uint8_t kRelayDriver = 0xA5;
    static constexpr std::uint8_t kValveConstant = 10;

    // Zone z, 1..64.
    std::span<std::uint8_t, kRecordSize> zone(int z) { return record(z - 1); }
    std::span<const std::uint8_t, kRecordSize> zone(int z) const { return record(z - 1); }

    static GasZoneTable defaults(const FileHeader& headerTemplate);
    bool operator==(const GasZoneTable&) const = default;
};

// Mimic display modules (MDM_.BIN): a registration byte per module 1..32, the MDM mode, three
// zero bytes.
struct MimicTable : HeaderedImage<36> {
    static constexpr int kModules = 32;
    static constexpr std::size_t kModeOffset = kModules; // after the registrations

    std::uint8_t& registration(int module) { return data.at(module - 1); }
    std::uint8_t registration(int module) const { return data.at(module - 1); }
    std::uint8_t mode() const { return data[kModeOffset]; }
    void setMode(std::uint8_t mode) { data[kModeOffset] = mode; }
    bool anyRegistered() const;

    static MimicTable defaults(const FileHeader& headerTemplate);
    bool operator==(const MimicTable&) const = default;
};

// A keypad point by its fields: one of the zone control panel's 32 buttons and its one target,
// an output module or a zone.
struct KeypadPoint {
    static constexpr std::uint8_t kZoneKind = 0;
    static constexpr std::uint8_t kFieldDeviceKind = 1;
    static constexpr std::uint8_t kFree = 0xFF;         // every byte of a free record
    static constexpr std::uint8_t kBegunButton = 0;     // a begun point: used, no button yet
    static constexpr std::uint16_t kNoAddress = 0xFFFF; // a zone target, or none

    std::uint8_t registration = kFree; // 1: registered
    std::uint8_t kind = kFree;
    std::uint8_t button = kFree; // 1..32
    std::uint8_t target = kFree; // the IO board, or the zone; kFree while none is set
    std::uint8_t loop = kFree;
    std::uint8_t spare = kFree;
    std::uint16_t address = kNoAddress;

    bool fieldDevice() const { return kind == kFieldDeviceKind; }
};

// Zone control panel keypads (KPAD.BIN): 50 records of 8 bytes; a record is free when its
// button is 0xFF, and the used ones lie together from the first.
struct KeypadTable : RecordImage<50, 8> {
    // The number of points: the index of the first free record.
    int pointCount() const;
    KeypadPoint point(int index) const;
    void setPoint(int index, const KeypadPoint& point);

    static KeypadTable defaults(const FileHeader& headerTemplate);
    bool operator==(const KeypadTable&) const = default;
};

} // namespace qb
