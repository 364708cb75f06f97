#pragma once

#include "store/LinkageKind.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qb {

// Where a condition record (60 bytes of the linkage input pool) keeps what. Bytes 0 and 1 and the
// next link at 56 are the same in every kind; each kind lays out its own fields between them.
// Bytes a kind does not write keep the 0xFF of a record taken from the pool.
namespace condition {

inline constexpr std::size_t kKind = 0; // the kind's number
// 1 when the general, zone or specific editor or the mimic linkage wrote the record; the rules
// of the other kinds leave 0xFF, which is how a mimic LED record is told from a room rule.
inline constexpr std::size_t kMarker = 1;
inline constexpr std::uint8_t kMarked = 1;

// The kind byte 0 names; nothing for a byte outside 1..7, as a record may come from a file.
std::optional<LinkageKind> kindOf(std::span<const std::uint8_t> record);
// Bytes 0 and 1 as our editors write them: the kind and the marker.
void mark(std::span<std::uint8_t> record, LinkageKind kind);
// Bytes 0 and 1 are as mark(record, kind) leaves them.
bool isMarkedAs(std::span<const std::uint8_t> record, LinkageKind kind);

// The zone kind's zone, stored as zone - 1.
inline constexpr std::size_t kZone = 4;

} // namespace condition

// The fields every kind has, at its own offsets. Kind 1..7; other kinds are a programming error
// and throw std::out_of_range.
std::size_t
firstOutputOffset(LinkageKind kind);       // uint16 index into the result table, 0xFFFF = none
std::size_t regOffset(LinkageKind kind);   // 1 = the rule is registered
std::size_t delayOffset(LinkageKind kind); // 0 = no delay

// The delays a rule offers, in seconds ("000s" to "150s"); a delay byte holds one of them, or
// kNoDelayChosen.
inline constexpr std::array<std::uint8_t, 8> kDelaySeconds{0, 5, 10, 30, 60, 90, 120, 150};
inline constexpr std::uint8_t kNoDelayChosen = 0xFF;

// Where the general and zone kinds keep their input type part.
struct InputLayout {
    static constexpr std::size_t kListBytes = 26; // the input type list
    // Bytes of the list zeroed (not 0xFF) before the codes are written.
    static constexpr std::size_t kZeroedBytes = 9;

    std::size_t inputTypes; // the input type list
    std::size_t fireSignals;
    std::size_t zeroByte;  // always 0
    std::size_t spareWord; // always 0xFFFF
};
inline constexpr InputLayout kGeneralInputs{4, 36, 37, 34};
inline constexpr InputLayout kZoneInputs{5, 38, 39, 36};

// The specific kind's input devices: five slots of eight bytes from byte 4, then a spare word.
struct SpecificSlot {
    static constexpr int kSlots = 5;
    static constexpr std::size_t kFirst = 4;
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kSpareWord = 48; // in the record; always 0xFFFF

    // Within a slot.
    static constexpr std::size_t kHost = 0;    // host number; 0xFF: no input, or system code 0
    static constexpr std::size_t kBoard = 1;   // IO board 1..40, 41 "V1", 42 "V2"
    static constexpr std::size_t kAddress = 2; // uint16
    static constexpr std::size_t kLoop = 4;    // 1; under system code 0 the loop entry ("01" is 1)
    static constexpr std::size_t kClass = 5;   // 0xFF
    static constexpr std::uint8_t kNone = 0xFF;

    // Slot 0..4 of a condition record; another index throws std::out_of_range.
    static std::span<std::uint8_t, kSize> of(std::span<std::uint8_t> record, int slot);
    static std::span<const std::uint8_t, kSize> of(std::span<const std::uint8_t> record, int slot);
};

} // namespace qb
