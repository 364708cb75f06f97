#pragma once

#include "base/PageGrid.h"

#include <string>
#include <string_view>
#include <vector>

namespace qb {

// A rectangle of grid cells, its bounds included; rows count from the caption row 0.
struct CellRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

// Cells as a spreadsheet copies them: rows end with "\n" (the last one too), cells are separated
// by "\t", and a cell holding a tab, a line end or a quote is quoted "..." with its quotes
// doubled. Cells outside the grid are left out.
std::u16string copyCells(const PageGrid& grid, const CellRect& rect);

// The rows and cells of text copied from a spreadsheet: rows end with "\n", "\r\n" or "\r",
// cells are separated by "\t", a cell opening with a quote runs to its closing quote with
// doubled quotes inside. A final line end adds no row; a quote never closed is text like any
// other. Rows may differ in length.
std::vector<std::vector<std::u16string>> parseCells(std::u16string_view text);

// The box of a refused paste: "Nothing was pasted." and then the refused cells' lines, the
// first `shown` of them and a count of the rest.
std::string refusedPasteText(const std::vector<std::string>& lines, std::size_t shown = 20);

} // namespace qb
