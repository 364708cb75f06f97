#pragma once

#include "CellText.h"
#include "PageGrid.h"

#include <string>
#include <vector>

namespace qb {

// A cell list over a cell: the entry whose text equals the cell's is preselected, otherwise none.
inline CellEditor listEditor(const std::vector<std::u16string>& items, const std::u16string& cell) {
    CellEditor editor;
    editor.kind = CellEditor::Kind::List;
    editor.items = items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == cell) {
            editor.selected = static_cast<int>(i);
            break;
        }
    }
    return editor;
}

// A text editor over a cell, holding the cell's whole text: the limit holds for typing, and a
// longer text (loaded from files) is never cut by merely opening the editor.
inline CellEditor textEditor(const std::u16string& cell, int maxLength, bool digitsOnly) {
    CellEditor editor;
    editor.kind = CellEditor::Kind::Text;
    editor.maxLength = maxLength;
    editor.digitsOnly = digitsOnly;
    editor.text = cell;
    return editor;
}

} // namespace qb
