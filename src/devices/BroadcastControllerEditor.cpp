#include "BroadcastControllerEditor.h"

#include "base/CellLists.h"
#include "base/CellText.h"
#include "store/ConfigStore.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qb {

namespace {

constexpr int kRows = BroadcastTable::kControllers;

// The "Points" list; an entry's position is the size code it stands for.
const std::vector<std::u16string>& pointChoices() {
    static const std::vector<std::u16string> choices{u"30", u"60", u"90"};
    return choices;
}

} // namespace

BroadcastControllerEditor::BroadcastControllerEditor(ConfigStore& store, Prompter&)
    : m_store(store) {
    m_grid.reset(kRows + 1, {u"ID", u"Reg", u"Points"}, {700, 700, 1000});
}

void BroadcastControllerEditor::open() {
    m_editor = {};
    const BroadcastTable& table = m_store.broadcast.working;
    for (int n = 1; n <= kRows; ++n) {
        m_grid.setText(n, Reg, markFor(table.registration(n) != 0));
        m_grid.setText(n, Points, numberText(table.points(n)));
    }
}

void BroadcastControllerEditor::clickCell(int row, int column, int selectionEnd) {
    m_editor = {};
    if (row < 1 || row > kRows) {
        return;
    }
    if (column == Reg) {
        const std::u16string turned = markFor(m_grid.text(row, Reg) != kMarkOn);
        const bool wholeColumn =
            std::min(row, selectionEnd) == 1 && std::max(row, selectionEnd) == kRows;
        for (int r = wholeColumn ? 1 : row; r <= (wholeColumn ? kRows : row); ++r) {
            m_grid.setText(r, Reg, turned);
        }
    } else if (column == Points) {
        m_editor = listEditor(pointChoices(), m_grid.text(row, Points));
        m_editor.row = row;
        m_editor.column = Points;
    }
}

void BroadcastControllerEditor::commitList(int index) {
    const CellEditor editor = m_editor;
    m_editor = {};
    if (editor.kind == CellEditor::Kind::List && index >= 0 &&
        index < static_cast<int>(editor.items.size())) {
        m_grid.setText(editor.row, editor.column, editor.items[static_cast<std::size_t>(index)]);
    }
}

bool BroadcastControllerEditor::pressOk() {
    m_editor = {};
    BroadcastTable& table = m_store.broadcast.working;
    const auto& choices = pointChoices();
    for (int n = 1; n <= kRows; ++n) {
        if (m_grid.text(n, Reg) != kMarkOn) {
            table.registration(n) = 0; // the size stays for when it comes back
            continue;
        }
        const auto code = std::find(choices.begin(), choices.end(), m_grid.text(n, Points));
        table.registration(n) = 1;
        table.sizeCode(n) = static_cast<std::uint8_t>(
            code == choices.end() ? 0 : std::distance(choices.begin(), code));
    }
    return true;
}

} // namespace qb
