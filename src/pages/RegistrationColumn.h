#pragma once

#include "base/CellText.h"
#include "base/PageGrid.h"
#include "base/Prompter.h"

#include <cstdint>
#include <string>

namespace qb {

// Registration cells: "√" for 1, "×" for 0, and an error mark with the table's own message for
// any other stored value, which stays as it is until toggled.
inline void drawRegistration(PageGrid& grid, int row, int column, std::uint8_t value,
                             Prompter& prompter, const std::string& errorMessage,
                             std::u16string_view errorMark = kMarkError) {
    if (value <= 1) {
        grid.setText(row, column, markFor(value == 1));
        return;
    }
    grid.setText(row, column, std::u16string(errorMark));
    prompter.inform(errorMessage, kProgramName);
}

// A double-click on a registration cell: a cell that does not show "√" gets it, one that does
// gets "×". `store(row, on)` writes the new flag.
template <class Store> void toggleRegistration(PageGrid& grid, int row, int column, Store store) {
    if (row < 1 || row >= grid.rows()) {
        return;
    }
    const bool on = grid.text(row, column) != kMarkOn;
    grid.setText(row, column, markFor(on));
    store(row, on);
}

// A double-click on the caption: the first data row decides for every row of the page.
template <class Store> void toggleWholeColumn(PageGrid& grid, int column, Store store) {
    if (grid.rows() < 2) {
        return;
    }
    const bool on = grid.text(1, column) != kMarkOn;
    for (int row = 1; row < grid.rows(); ++row) {
        grid.setText(row, column, markFor(on));
        store(row, on);
    }
}

} // namespace qb
