#include "CellClipboard.h"

#include <algorithm>
#include <utility>

namespace qb {

namespace {

bool needsQuotes(std::u16string_view cell) {
    return cell.find_first_of(u"\t\r\n\"") != std::u16string_view::npos;
}

void appendCell(std::u16string& out, std::u16string_view cell) {
    if (!needsQuotes(cell)) {
        out += cell;
        return;
    }
    out += u'"';
    for (char16_t c : cell) {
        out += c;
        if (c == u'"') {
            out += u'"';
        }
    }
    out += u'"';
}

bool lineEnd(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// A quoted cell starting at `at` (on its opening quote): its text and the position after the
// closing quote; nothing when the quote is never closed.
bool readQuoted(std::u16string_view text, std::size_t& at, std::u16string& cell) {
    std::u16string held;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] != u'"') {
            held += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'"') {
            held += u'"';
            ++i;
        } else {
            at = i + 1;
            cell = std::move(held);
            return true;
        }
    }
    return false;
}

} // namespace

std::u16string copyCells(const PageGrid& grid, const CellRect& rect) {
    const int top = std::max(rect.top, 0);
    const int left = std::max(rect.left, 0);
    const int bottom = std::min(rect.bottom, grid.rows() - 1);
    const int right = std::min(rect.right, grid.columns() - 1);
    std::u16string out;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                out += u'\t';
            }
            appendCell(out, grid.text(row, column));
        }
        if (left <= right) {
            out += u'\n';
        }
    }
    return out;
}

std::vector<std::vector<std::u16string>> parseCells(std::u16string_view text) {
    std::vector<std::vector<std::u16string>> rows;
    std::vector<std::u16string> row;
    std::u16string cell;
    std::size_t i = 0;
    bool cellStart = true;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (cellStart && c == u'"' && readQuoted(text, i, cell)) {
            cellStart = false;
            continue; // anything up to the next separator still belongs to the cell
        }
        cellStart = false;
        if (c == u'\t') {
            row.push_back(std::exchange(cell, {}));
            cellStart = true;
        } else if (lineEnd(c)) {
            row.push_back(std::exchange(cell, {}));
            rows.push_back(std::exchange(row, {}));
            cellStart = true;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            cell += c;
        }
        ++i;
    }
    // Text after the last line end is a row of its own; a final line end adds none.
    if (!cellStart || !row.empty()) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string refusedPasteText(const std::vector<std::string>& lines, std::size_t shown) {
    std::string text = "Nothing was pasted.";
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i) {
        text += "\n" + lines[i];
    }
    if (lines.size() > shown) {
        text += "\n\u2026 and " + std::to_string(lines.size() - shown) + " more.";
    }
    return text;
}

} // namespace qb
