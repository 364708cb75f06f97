#pragma once

#include "base/PageGrid.h"

namespace qb {

class ConfigStore;
class Prompter;

// "BroadCast Controller Setting": which of the 30 broadcast controllers are fitted and how many
// points each has. The grid is the dialog's whole state, as the installer sees it; the table
// only takes it on OK.
class BroadcastControllerEditor {
public:
    enum Column { Id = 0, Reg, Points, kColumns };

    BroadcastControllerEditor(ConfigStore& store, Prompter& prompter);

    // Shows the table's controllers.
    void open();

    const PageGrid& grid() const { return m_grid; }
    const CellEditor& cellEditor() const { return m_editor; }

    // The installer clicked the grid with the active cell at `row`, `column` and the selection
    // reaching to row `selectionEnd` of that column (the same row for a single cell). A "Reg"
    // cell turns over; the whole "Reg" column follows its active cell, turned over; a "Points"
    // cell opens its list.
    void clickCell(int row, int column, int selectionEnd);
    void clickCell(int row, int column) { clickCell(row, column, row); }
    // The open list lost the focus holding entry `index` (-1: nothing chosen).
    void commitList(int index);
    void closeCellEditor() { m_editor = {}; }

    // OK: every row into the working table. Always ends the dialog.
    bool pressOk();

private:
    ConfigStore& m_store;
    PageGrid m_grid;
    CellEditor m_editor;
};

} // namespace qb
