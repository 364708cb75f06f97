#pragma once

#include <string>
#include <vector>

namespace qb {

// The grid of a setup page as the window shows it: row 0 holds the captions, column 0 the row
// numbers; widths in twips (1440 to the inch).
class PageGrid {
public:
    static constexpr int kRowHeightTwips = 322;

    void reset(int rows, std::vector<std::u16string> captions, std::vector<int> widthsTwips);

    int rows() const { return m_rows; }
    int columns() const { return static_cast<int>(m_widths.size()); }
    int width(int column) const { return m_widths.at(column); }

    const std::u16string& text(int row, int column) const { return m_cells.at(index(row, column)); }
    void setText(int row, int column, std::u16string text) {
        m_cells.at(index(row, column)) = std::move(text);
    }
    bool contains(int row, int column) const {
        return row >= 0 && row < m_rows && column >= 0 && column < columns();
    }

private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row) * m_widths.size() + static_cast<std::size_t>(column);
    }

    int m_rows = 0;
    std::vector<int> m_widths;
    std::vector<std::u16string> m_cells;
};

// The one editor the main window opens over a cell.
struct CellEditor {
    enum class Kind { None, Text, List };

    Kind kind = Kind::None;
    int row = 0;
    int column = 0;
    // Text editor: typing stops at `maxLength` code units; `text` is the cell's text it opened
    // with, which may be longer.
    int maxLength = 0;
    bool digitsOnly = false;
    std::u16string text;
    // Cell list: entries and the preselected one (-1 for none).
    std::vector<std::u16string> items;
    int selected = -1;

    bool open() const { return kind != Kind::None; }
};

// A drop-down selector above the grid.
struct SelectorState {
    bool visible = false;
    std::u16string label;
    std::vector<std::u16string> items;
    int current = -1;
};

struct CheckBoxState {
    bool visible = false;
    bool checked = false;
};

} // namespace qb
