#pragma once

#include "excel/Workbook.h"

#include <optional>
#include <string_view>
#include <variant>

namespace qb::test {

// The whole number a cell holds, whichever way the writer stored it.
inline std::optional<double> numberIn(const CellValue* value) {
    if (const auto* whole = value ? std::get_if<std::int32_t>(value) : nullptr) {
        return *whole;
    }
    if (const auto* real = value ? std::get_if<double>(value) : nullptr) {
        return *real;
    }
    return std::nullopt;
}

// The cell under the header `column` in the row whose Addr is `address`, or null.
inline CellValue* deviceCell(Sheet& sheet, int address, std::string_view column) {
    std::optional<std::uint16_t> addr;
    std::optional<std::uint16_t> wanted;
    for (const auto& [at, value] : sheet.cells) {
        const auto* text = std::get_if<std::string>(&value);
        if (at.row == 0 && text) {
            addr = *text == "Addr" ? at.column : addr;
            wanted = *text == column ? at.column : wanted;
        }
    }
    if (!addr || !wanted) {
        return nullptr;
    }
    for (auto& [at, value] : sheet.cells) {
        if (at.row > 0 && at.column == *addr && numberIn(&value) == address) {
            auto found = sheet.cells.find(CellPosition{at.row, *wanted});
            return found == sheet.cells.end() ? nullptr : &found->second;
        }
    }
    return nullptr;
}

} // namespace qb::test
