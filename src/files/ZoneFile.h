#pragma once

#include "BuiltFile.h"
#include "store/ZoneTable.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

// ZONE.BIN: the header, 32 zone records of 16 bytes, the "Resound" byte and three zero bytes.
namespace zone_file {
inline constexpr std::size_t kSize = 548;
inline constexpr std::size_t kRecordBase = 32;
inline constexpr std::size_t kRecordSize = 16;
inline constexpr std::size_t kRegistration = 0;
inline constexpr std::size_t kName = 1;
inline constexpr std::size_t kNameField = 13;
inline constexpr std::size_t kNameLimit = 12;
inline constexpr std::size_t kOption1 = 14;
inline constexpr std::size_t kOption2 = 15;
inline constexpr std::size_t kResound = 544;
} // namespace zone_file

// Every zone name is checked against its 12 bytes; each that does not fit gives one message
// (worded for Data export or for the Zone page's Save) and leaves its field empty.
BuiltFile buildZoneFile(const ZoneTable& table, FileVariant variant);

// Takes the header, the "Resound" byte and the zone records as far as the bytes hold them, a cut
// last record included; the rest of the table keeps its contents.
void readZoneFile(std::span<const std::uint8_t> bytes, ZoneTable& table);

} // namespace qb
