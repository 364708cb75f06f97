// Paste into the grid of the page on view: every cell is committed as typing it would be, and
// the page's tables come back unchanged unless every cell was taken.
#include "MainWindowLogic.h"

#include "PageStep.h"
#include "base/CellText.h"
#include "files/Messages.h"
#include "files/TextCodec.h"

#include <algorithm>

namespace qb {

namespace {

bool isMark(std::u16string_view text) {
    return text == kMarkOn || text == kMarkOff;
}

// A refusal as one line of the message: the checks' own texts, several joined.
std::string joined(const std::vector<std::string>& messages) {
    std::string line;
    for (const std::string& message : messages) {
        std::string text = message;
        std::ranges::replace(text, '\n', ' ');
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        line += (line.empty() ? "" : "; ") + text;
    }
    return line;
}

// "rows 3-12", "row 3"; "columns Zone-Position", "column Zone".
std::u16string span(std::u16string_view one, std::u16string_view many, std::u16string_view first,
                    std::u16string_view last) {
    if (first == last) {
        return std::u16string(one) + u" " + std::u16string(first);
    }
    return std::u16string(many) + u" " + std::u16string(first) + u"-" + std::u16string(last);
}

} // namespace

bool MainWindowLogic::paste(int row, int column, std::u16string_view text) {
    CommandScope scope(m_prompter);
    SetupPage* page = currentPage();
    m_window.editor = {};
    const PageGrid& grid = m_window.grid;
    if (!page || row < 1 || column < 0 || !grid.contains(row, column)) {
        return false;
    }
    const std::vector<std::vector<std::u16string>> cells = parseCells(text);
    if (cells.empty()) {
        return false;
    }
    const int rows = static_cast<int>(cells.size());
    const int columns =
        static_cast<int>(std::ranges::max(cells, {}, &std::vector<std::u16string>::size).size());
    const int bottom = row + rows - 1;
    const int right = column + columns - 1;

    std::vector<std::string> refused;
    if (bottom >= grid.rows()) {
        refused.push_back(
            messages::format("Rows %d-%d: past the last row, %d", row, bottom, grid.rows() - 1));
    }
    if (right >= grid.columns()) {
        refused.push_back(messages::format("%d columns from %s: past the last column, %s", columns,
                                           toUtf8(grid.text(0, column)).c_str(),
                                           toUtf8(grid.text(0, grid.columns() - 1)).c_str()));
    }
    if (refused.empty()) {
        const PageGrid shown = grid;
        PageStep step(
            *page, u"Paste: " + span(u"row", u"rows", numberText(row), numberText(bottom)) + u", " +
                       span(u"column", u"columns", grid.text(0, column), grid.text(0, right)));
        SwitchingPrompter::Recording recording(m_pagePrompter);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < static_cast<int>(cells[r].size()); ++c) {
                const std::string why =
                    pasteCell(*page, row + r, column + c, cells[r][c], recording);
                if (!why.empty()) {
                    refused.push_back(messages::format("Row %d, %s: \"%s\": %s", row + r,
                                                       toUtf8(grid.text(0, column + c)).c_str(),
                                                       toUtf8(cells[r][c]).c_str(), why.c_str()));
                }
            }
        }
        if (!refused.empty()) {
            // Before the step ends, so that it finds nothing changed and adds nothing.
            step.revert();
            m_window.grid = shown;
        }
    }
    if (!refused.empty()) {
        m_prompter.inform(refusedPasteText(refused), kProgramName);
        return false;
    }
    return true;
}

std::string MainWindowLogic::pasteCell(SetupPage& page, int row, int column,
                                       const std::u16string& text,
                                       SwitchingPrompter::Recording& recording) {
    CellEditor editor = page.editorFor(m_window, row, column);
    editor.row = row;
    editor.column = column;
    const std::u16string shown = m_window.grid.text(row, column);
    switch (editor.kind) {
    case CellEditor::Kind::Text: {
        if (text == editor.text) {
            return {}; // as an editor left as it opened
        }
        if (editor.digitsOnly &&
            std::ranges::any_of(text, [](char16_t c) { return c < u'0' || c > u'9'; })) {
            return "only digits can be typed here";
        }
        // The page's checks see the whole text, so that "1200" is refused for its value, not
        // cut to the two digits typing would have stopped at.
        page.commitText(m_window, editor, text);
        std::string why = joined(recording.take());
        const std::size_t ceiling =
            std::max(static_cast<std::size_t>(editor.maxLength), editor.text.size());
        if (why.empty() && text.size() > ceiling) {
            why = messages::format("at most %zu characters can be typed here", ceiling);
        }
        return why;
    }
    case CellEditor::Kind::List: {
        const auto found = std::ranges::find(editor.items, text);
        if (found == editor.items.end()) {
            return "not an entry of the cell's list";
        }
        const int index = static_cast<int>(found - editor.items.begin());
        if (index != editor.selected) {
            page.commitList(m_window, editor, index);
        }
        return joined(recording.take());
    }
    case CellEditor::Kind::None:
        break;
    }
    if (text == shown) {
        return {};
    }
    if (!isMark(text)) {
        return "the cell takes no typing";
    }
    // A registration cell switches on each double-click; one showing an error mark needs two to
    // be switched off.
    for (int tries = 0; tries < 2 && m_window.grid.text(row, column) != text; ++tries) {
        page.doubleClickCell(m_window, row, column);
    }
    if (m_window.grid.text(row, column) != text) {
        return "the cell takes no typing";
    }
    return joined(recording.take());
}

} // namespace qb
