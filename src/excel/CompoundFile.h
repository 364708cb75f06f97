#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qb {

// The container an .xls file is: a Compound File (version 3, 512-byte sectors) holding one
// stream named "Workbook" under the root entry.
namespace compound_file {
inline constexpr std::size_t kSectorSize = 512;
inline constexpr std::size_t kHeaderDifatSlots = 109;
inline constexpr std::size_t kMiniStreamCutoff = 4096;
inline constexpr std::size_t kDirectoryEntrySize = 128;
inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;
} // namespace compound_file

// The whole file around the workbook stream. A stream shorter than the mini-stream cutoff is
// padded with zero bytes up to it, so that it lives in ordinary sectors and the file needs no
// mini-stream. Layout: the stream's sectors, the directory sector, the FAT sectors, then the
// DIFAT sectors a FAT of more than 109 sectors needs.
std::vector<std::uint8_t> buildCompoundFile(std::span<const std::uint8_t> workbookStream);

} // namespace qb
