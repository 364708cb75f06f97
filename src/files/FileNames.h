#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

// The four-character names of the files of a host's set.
namespace names {
inline constexpr std::string_view kZone = "ZONE";
inline constexpr std::string_view kNetwork = "NET_";
inline constexpr std::string_view kSystemSettings = "SYS_";
inline constexpr std::string_view kDisplay = "FSD_";
inline constexpr std::string_view kIoBoard = "IOBR";
inline constexpr std::string_view kLinkageInput = "LDCO";
inline constexpr std::string_view kLinkageResult = "LDRE";
inline constexpr std::string_view kHandControl = "LDMA";
inline constexpr std::string_view kBroadcast = "BROD";
inline constexpr std::string_view kBroadcastPoints = "BCPD";
inline constexpr std::string_view kHydrant = "XHSB";
inline constexpr std::string_view kGasZones = "QMPS";
inline constexpr std::string_view kMimic = "MDM_";
inline constexpr std::string_view kKeypad = "KPAD";
} // namespace names

// "001" for host index 0; three digits up to host 99, plain digits above ("100" ... "255").
std::string hostNumberText(std::uint8_t hostIndex);

// "ID01" ... "ID40" for IO boards, "ID7F" for V1 (41) and "ID7E" for V2 (42).
std::string deviceFileName(int fileNumber);

// "M" + host number text + name + ".BIN", e.g. "M001ZONE.BIN".
std::string fileName(std::uint8_t hostIndex, std::string_view name);

// What fileName() made a name of: "M005ZONE.BIN" gives host index 4 and "ZONE". Nothing for a
// name it cannot have made, such as "M000ZONE.BIN" or "m001ZONE.BIN".
struct ParsedFileName {
    std::uint8_t hostIndex = 0;
    std::string name;
};
std::optional<ParsedFileName> parseFileName(std::string_view fileName);

// The same inside the Data folder.
std::filesystem::path filePath(const std::filesystem::path& dataFolder, std::uint8_t hostIndex,
                               std::string_view name);

} // namespace qb
