#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace qb {

// A cell whose value the reader could not take: a formula, an error value. It stands where the
// cell is, so that its sheet, row and column are known, and is never read as a number. The writer
// leaves such a cell empty.
struct UnreadableCell {
    friend bool operator==(const UnreadableCell&, const UnreadableCell&) = default;
};

// What a cell holds: text (UTF-8), a whole number, a number with a fraction (or a whole number a
// spreadsheet stored as a floating-point value), or nothing readable. Whole numbers and doubles
// stay apart because the reader tells them apart too.
using CellValue = std::variant<std::string, std::int32_t, double, UnreadableCell>;

// Zero-based, as in the file.
struct CellPosition {
    std::uint32_t row = 0;
    std::uint16_t column = 0;
    friend auto operator<=>(const CellPosition&, const CellPosition&) = default;
};

// One worksheet: its name and its filled cells, row by row.
struct Sheet {
    std::string name; // UTF-8
    std::map<CellPosition, CellValue> cells;

    void set(std::uint32_t row, std::uint16_t column, CellValue value) {
        const CellPosition position{row, column};
        // Cells mostly come in order: appending at the end then costs no search.
        if (cells.empty() || cells.rbegin()->first < position) {
            cells.emplace_hint(cells.end(), position, std::move(value));
        } else {
            cells.insert_or_assign(position, std::move(value));
        }
    }
    const CellValue* find(std::uint32_t row, std::uint16_t column) const {
        auto it = cells.find(CellPosition{row, column});
        return it == cells.end() ? nullptr : &it->second;
    }
};

// The sheets of a workbook in their order.
struct Workbook {
    std::vector<Sheet> sheets;

    const Sheet* find(const std::string& name) const {
        for (const Sheet& sheet : sheets) {
            if (sheet.name == name) {
                return &sheet;
            }
        }
        return nullptr;
    }
};

} // namespace qb
