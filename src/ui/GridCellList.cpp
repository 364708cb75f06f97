#include "GridCellList.h"

#include "Mirror.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QTableWidget>

namespace qb::ui {

GridCellList::GridCellList(QTableWidget* grid, std::function<void(int)> commit)
    : QObject(grid), m_grid(grid), m_list(new QComboBox(grid->viewport())),
      m_commit(std::move(commit)) {
    m_list->setObjectName("cellList");
    m_list->hide();
    m_list->installEventFilter(this);
}

void GridCellList::mirror(const CellEditor& editor) {
    const auto placed = std::make_tuple(editor.kind, editor.row, editor.column);
    if (placed == m_placed) {
        return;
    }
    m_placed = placed;
    m_committing = true;
    if (editor.kind == CellEditor::Kind::List) {
        mirrorItems(m_list, editor.items, editor.selected);
        m_list->setGeometry(
            m_grid->visualRect(m_grid->model()->index(editor.row - 1, editor.column)));
        m_list->show();
        m_list->raise();
        m_list->setFocus(Qt::MouseFocusReason);
    } else {
        m_list->hide();
    }
    m_committing = false;
}

void GridCellList::commit() {
    if (m_committing || m_closing || std::get<0>(m_placed) != CellEditor::Kind::List) {
        return;
    }
    m_committing = true;
    m_commit(m_list->currentIndex());
    m_committing = false;
}

bool GridCellList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        commit();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qb::ui
