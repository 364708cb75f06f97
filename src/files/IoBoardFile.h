#pragma once

#include "BuiltFile.h"
#include "store/IoBoardRecord.h"
#include "store/SystemCode.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

// IOBR.BIN. Under the two-loop system codes: the record's header as held and its 44 data bytes
// (40 registrations, then a uint32). Under the one-loop code a fixed 40-byte form, built from the
// template: the board count 1 and the value 100000.
namespace io_board_file {
inline constexpr std::size_t kSize = FileHeader::kSize + IoBoardRecord::kDataSize; // 76
inline constexpr std::size_t kOneLoopSize = 40;
inline constexpr std::size_t kOneLoopBoardCount = 32;
inline constexpr std::size_t kOneLoopTrailer = 36;

inline std::size_t fileSize(SystemCode code) {
    return code == SystemCode::OneLoop ? kOneLoopSize : kSize;
}
} // namespace io_board_file

BuiltFile buildIoBoardFile(const IoBoardRecord& record, const FileHeader& headerTemplate,
                           SystemCode code, FileVariant variant);

// Lays up to 76 bytes of the file over the record, header included. The one-loop form holds only
// the header and board 1: its board count and value 100000 lie where boards 2 to 8 would, so the
// other boards and the record's own value keep what they hold.
void readIoBoardFile(std::span<const std::uint8_t> bytes, IoBoardRecord& record, SystemCode code);

} // namespace qb
