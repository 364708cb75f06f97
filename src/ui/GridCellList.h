#pragma once

#include "base/PageGrid.h"

#include <QObject>

#include <functional>
#include <tuple>

class QComboBox;
class QTableWidget;

namespace qb::ui {

// The drop-down list that floats over a cell of a dialog's grid while the logic holds a cell
// list open there. It is placed and filled when the logic opens one and hidden when the logic
// closes it; losing the focus (its own pop-up aside) hands the entry it holds to `commit`.
class GridCellList : public QObject {
public:
    // `commit` gets the entry's index (-1 for none) and is expected to mirror the logic back.
    GridCellList(QTableWidget* grid, std::function<void(int)> commit);

    QComboBox* list() const { return m_list; }

    // Follows the logic's cell editor; a list still open where it was keeps the installer's pick.
    void mirror(const CellEditor& editor);
    // Hands the pick over now, while a list is open (a button is about to act).
    void commit();
    // The dialog is going away: a list losing the focus then commits nothing.
    void close() { m_closing = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* m_grid;
    QComboBox* m_list;
    std::function<void(int)> m_commit;
    std::tuple<CellEditor::Kind, int, int> m_placed{CellEditor::Kind::None, 0, 0};
    bool m_committing = false;
    bool m_closing = false;
};

} // namespace qb::ui
