#pragma once

#include "Workbook.h"
#include "base/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qb {

namespace workbook_limits {
inline constexpr std::uint32_t kRows = 65536;
inline constexpr std::uint16_t kColumns = 256;
inline constexpr std::size_t kSheetName = 31; // characters
inline constexpr std::size_t kText = 32767;   // characters in one cell
} // namespace workbook_limits

// Why a sheet name cannot stand, or nothing when it can: empty, longer than 31 characters, or
// holding one of []:*?/\. Names are compared with the workbook's other names elsewhere.
std::string sheetNameProblem(const std::string& name);

// The .xls file (BIFF8 in a Compound File) holding the workbook's values: texts as shared
// strings, whole numbers as RK where they fit, other numbers as NUMBER records. Unreadable cells
// are left empty. Fails, naming the sheet or the cell, on a bad or repeated sheet name, a cell
// past row 65536 or column 256, a text longer than 32767 characters or invalid UTF-8.
Result<std::vector<std::uint8_t>> writeWorkbook(const Workbook& workbook);

} // namespace qb
