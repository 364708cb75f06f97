#pragma once

#include "FixedText.h"

#include <array>
#include <cstdint>
#include <type_traits>

namespace qb {

// One addressed detector or module of a loop.
struct DeviceRecord {
    static constexpr std::uint8_t kOutputPulse = 0;
    static constexpr std::uint8_t kOutputConstant = 1; // any other value reads as pulse
    static constexpr std::uint8_t kWorkNormal = 0;
    static constexpr std::uint8_t kWorkFast = 1;
    static constexpr std::uint8_t kWorkSlow = 2;

    std::uint8_t registration = 0;
    std::uint8_t reserved = 0;
    std::uint16_t address = 0;  // 1..324
    std::uint8_t loopIndex = 0; // (board - 1) * 2 + (loop - 1)
    std::uint8_t zone = 0;      // zone number minus 1
    std::uint8_t equipType = 2; // device type code ("Equip")
    std::uint8_t productType = 2;
    std::uint8_t outputMode = kOutputConstant;
    std::uint8_t workMode = kWorkFast;
    std::array<std::uint8_t, 2> reserved2{};
    FixedText<30> position; // at most 29 characters

    bool operator==(const DeviceRecord&) const = default;
};
// Records compare byte for byte (a board's 648 at once): no padding, and a text keeps every unit
// after its end zero.
static_assert(std::has_unique_object_representations_v<DeviceRecord>);

// Device file numbers 1..40 are IO boards 1..40; 41 and 42 are the virtual boards "V1" and "V2".
inline constexpr int kDeviceFileCount = 42;
inline constexpr int kVirtualBoard1 = 41;
inline constexpr int kVirtualBoard2 = 42;
inline constexpr int kLoopsPerBoard = 2;
inline constexpr int kAddressesPerLoop = 324;

inline std::uint8_t loopIndexOf(int fileNumber, int loop) {
    return static_cast<std::uint8_t>((fileNumber - 1) * 2 + (loop - 1));
}

} // namespace qb
