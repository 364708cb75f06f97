#pragma once

#include "BuiltFile.h"
#include "store/DisplayTable.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

// FSD_.BIN: the header and 30 display records of 44 bytes.
namespace display_file {
inline constexpr std::size_t kSize = 1352;
inline constexpr std::size_t kRecordBase = 32;
inline constexpr std::size_t kRecordSize = 44;
inline constexpr std::size_t kRegistration = 0;
inline constexpr std::size_t kType = 1;
inline constexpr std::size_t kZone = 2;
inline constexpr std::size_t kName = 3;
inline constexpr std::size_t kNameField = 41;
inline constexpr std::size_t kNameLimit = 40;
} // namespace display_file

// A name whose UTF-8 form exceeds 40 bytes is cut between characters to fit; an empty name is
// written empty.
BuiltFile buildDisplayFile(const DisplayTable& table, FileVariant variant);

// Takes the header and the display records as far as the bytes hold them, a cut last record
// included.
void readDisplayFile(std::span<const std::uint8_t> bytes, DisplayTable& table);

} // namespace qb
