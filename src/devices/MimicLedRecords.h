#pragma once

#include "store/LinkageKind.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

class LinkageInputTable;

// What one LED of a mimic module shows. Host, loop and number are "not chosen" while they hold
// the blank value of an unused record byte, so an LED written without them carries 0xFF there.
struct MimicLed {
    static constexpr std::uint8_t kNoHost = 0xFF;
    static constexpr std::uint8_t kNoLoop = 0xFF;
    static constexpr std::uint16_t kNoNumber = 0xFFFF;

    enum Cause : std::uint8_t { Null = 0, Device = 1, Zone = 2, NcInput = 3, NoInput = 4 };

    std::uint8_t reg = 0;
    std::uint8_t cause = Null;
    std::uint8_t indication = 0;      // 0 "NULL", 1 "Fire", 2 "Start", 3 "Feedback"
    std::uint8_t host = kNoHost;      // host number - 1
    std::uint8_t loop = kNoLoop;      // device file (board) index
    std::uint16_t number = kNoNumber; // address, zone or input, by cause
    std::uint8_t carried = 0xFF;      // the controller's own byte; we keep whatever it holds

    bool hasHost() const { return host != kNoHost; }
    bool hasLoop() const { return loop != kNoLoop; }
    // 0 names no address, zone or input either.
    bool hasNumber() const { return number != kNoNumber && number != 0; }
    // What the grid check asks of a row.
    bool consistent() const;

    bool operator==(const MimicLed&) const = default;
};

// The mimic LED records as they sit in kind list 5 of the linkage input table.
namespace mimicrecords {

inline constexpr LinkageKind kKind = LinkageKind::RoomAndMimic;
inline constexpr int kModules = 32;
inline constexpr int kBoards = 4;
inline constexpr int kLedsPerBoard = 32;
inline constexpr int kLeds = kBoards * kLedsPerBoard;
inline constexpr int kCauses = 5;      // "NULL" .. "NO Input to LED"
inline constexpr int kIndications = 4; // "NULL" .. "Feedback"

// Within a record, after the kind and the marker (condition::mark).
inline constexpr std::size_t kModule = 4;
inline constexpr std::size_t kLed = 5;
inline constexpr std::size_t kReg = 6;
inline constexpr std::size_t kIndication = 8;
inline constexpr std::size_t kHost = 9;
inline constexpr std::size_t kCarried = 10;
inline constexpr std::size_t kLoop = 11;
inline constexpr std::size_t kCause = 12;
inline constexpr std::size_t kNumber = 14;   // uint16
inline constexpr std::size_t kNoOutput = 18; // uint16, always 0xFFFF
inline constexpr std::size_t kZero = 20;

// Module 1..32 by LED 1..128 (board * 32 + row).
using Settings = std::array<std::array<MimicLed, kLeds>, kModules>;

// A record of kind list 5 written for an LED (marked as our editors mark records), not a room
// rule.
bool isMimicRecord(std::span<const std::uint8_t> record);

// Reads the LEDs out of kind list 5, each byte as it stands, also values no list offers.
// Records that are not mimic records, or that name a module or LED outside the panel, are
// passed over; of two records for one LED the first counts.
Settings load(const LinkageInputTable& input);

// Frees the mimic records of kind list 5, then chains one record per LED with a cause, in
// module then LED order, each in the lowest free record, behind the other records of the list
// (room rules), which keep their order and their outputs. The table is left as it was, and
// false returned, when the pool cannot hold them all.
bool store(LinkageInputTable& input, const Settings& settings);

} // namespace mimicrecords

} // namespace qb
