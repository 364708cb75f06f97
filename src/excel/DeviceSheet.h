#pragma once

#include "Workbook.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// How a device sheet is laid out: the columns, found by the names in its header row in any
// order, and the rows below it. Shared by the export and the import so that both find the same
// cells.
namespace device_sheet {

enum Column : std::size_t {
    kAddr,
    kReg,
    kEquipment,
    kProductionType,
    kZone,
    kOutputMode,
    kWorkModes,
    kPosition,
    kColumnCount
};

inline constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "Addr", "Reg", "Equipment", "ProductionType", "Zone", "OutputMode", "WorkModes", "Position"};

struct Layout {
    std::uint32_t headerRow = 0; // the first row holding any cell
    std::array<std::optional<std::uint16_t>, kColumnCount> columns{};

    std::optional<Column> firstMissing() const;
};

// Header names match whatever their case and surrounding blanks; the first of two equal names
// counts.
Layout locate(const Sheet& sheet);

// The rows below the header that hold any cell, in sheet order.
std::vector<std::uint32_t> dataRows(const Sheet& sheet, std::uint32_t headerRow);

// A cell read as a number the way a database driver reads it as text and converts it: a text's
// leading decimal integer (a text that is no number counts as 0), a number without its fraction,
// an empty cell as 0. An unreadable cell has no number.
std::optional<std::int64_t> numberOf(const CellValue* cell);

// A cell as text: numbers as a spreadsheet shows them unformatted, an empty cell as "". An
// unreadable cell has no text.
std::optional<std::string> textOf(const CellValue* cell);

// Where a cell is, for the second line of a message: "devices.xls, sheet IO1_1, column Zone,
// row 7" (rows counted from 1, as a spreadsheet shows them).
std::string cellPlace(const std::string& fileName, const std::string& sheet, std::uint32_t row,
                      std::optional<Column> column = std::nullopt);

// Follows cellPlace for a cell whose value cannot be read.
inline constexpr const char* kUnreadableCell =
    ": the cell holds a formula or an error value, not a value";

// A sheet by name, whatever the case of its letters, as a database driver finds a table.
Sheet* findSheet(Workbook& workbook, std::string_view name);
const Sheet* findSheet(const Workbook& workbook, std::string_view name);

} // namespace device_sheet
} // namespace qb
