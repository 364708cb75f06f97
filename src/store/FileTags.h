#pragma once

#include <string_view>

namespace qb {

// The tags at header offset 14 by which each file of a set says what it holds. Some readers
// accept more than their own tag; those choices stay with the readers.
namespace tags {
inline constexpr std::string_view kZone = "ZONED";
inline constexpr std::string_view kBuilding = "BLDDT";
inline constexpr std::string_view kFloor = "FLRDT";
inline constexpr std::string_view kNetwork = "NETWK";
inline constexpr std::string_view kSystemSettings = "IOBDT";
inline constexpr std::string_view kDisplay = "FSDDT";
inline constexpr std::string_view kIoBoard = "IOBRG";
inline constexpr std::string_view kDeviceType = "EQPEX";
inline constexpr std::string_view kDevices = "IOBDT";
inline constexpr std::string_view kHandControl = "LDHND";
inline constexpr std::string_view kBroadcast = "BRDDT";
inline constexpr std::string_view kBroadcastPoints = "BCPDT";
inline constexpr std::string_view kHydrant = "LDXHS";
inline constexpr std::string_view kGasZones = "QMPDT";
inline constexpr std::string_view kMimic = "MDMDT";
inline constexpr std::string_view kKeypad = "KEPAD";
inline constexpr std::string_view kLinkageInput = "LDINP";
inline constexpr std::string_view kLinkageResult = "LDOUT";
} // namespace tags

} // namespace qb
