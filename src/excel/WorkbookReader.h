#pragma once

#include "Workbook.h"
#include "base/Result.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qb {

namespace workbook_reading {
// Far beyond any device workbook (about 4 MB); a larger file is not read into memory.
inline constexpr std::size_t kMaxFileSize = 256u << 20;
// What a workbook may unfold into, whatever its bytes claim: about ten times the cells of the
// full device workbook, and their texts.
inline constexpr std::size_t kMaxCells = std::size_t{1} << 21;
inline constexpr std::size_t kMaxCellText = std::size_t{64} << 20; // bytes of UTF-8
// Worksheets; a device workbook has 80.
inline constexpr std::size_t kMaxSheets = 4096;
} // namespace workbook_reading

// The worksheets of an .xls file (BIFF8 in a Compound File), in their tab order, with the values
// of their cells: texts (shared, inline or rich) as text, RK numbers holding a whole number as
// whole numbers, every other number as a double (even a whole one), booleans as 0 or 1. A
// formula or an error value is an UnreadableCell: a formula's cached result is never taken. So
// is a shared-string cell whose string the table does not hold. Chart sheets, macro sheets and
// the charts embedded in a worksheet are left out.
//
// The file is untrusted. A damaged container, a record running past the stream, a cell past
// column 256, sheets overlapping one another or a workbook unfolding past the limits above is an
// InvalidInput error whose text says what is wrong (the caller names the file).
Result<Workbook> readWorkbook(std::span<const std::uint8_t> file);

// The same from a file. Errors read "Cannot read workbook <path>: <reason>", with the cause:
// Missing, NoAccess, NotAFile (a folder, a FIFO, a device; never waited on), IoFailure or
// InvalidInput (damaged, not an .xls, too large).
Result<Workbook> readWorkbookFile(const std::filesystem::path& path);

} // namespace qb
