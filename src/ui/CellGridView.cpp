#include "CellGridView.h"

#include "DialogWidgets.h"
#include "Mirror.h"
#include "TypingLimitValidator.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace qb::ui {

CellGridView::CellGridView(QWidget* parent, const QString& name, Logic logic)
    : QTableWidget(parent), m_logic(std::move(logic)) {
    setObjectName(name);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);

    if (m_logic.commitText) {
        m_text = editBox(viewport(), "cellTextEditor");
        m_text->hide();
        m_text->installEventFilter(this);
        m_typingLimit = new TypingLimitValidator(m_text);
        m_text->setValidator(m_typingLimit);
    }
    m_list = fittedDropDown(viewport(), "cellList");
    m_list->hide();
    m_list->installEventFilter(this);
}

CellGridView::~CellGridView() {
    m_closing = true;
}

void CellGridView::mirror() {
    mirrorGrid(this, m_logic.grid());
    const CellEditor& editor = m_logic.editor();
    const auto placed = std::make_tuple(editor.kind, editor.row, editor.column);
    if (placed == m_placed) {
        return; // still open where it was, with what the installer typed
    }
    m_placed = placed;
    m_committing = true;
    if (editor.kind == CellEditor::Kind::Text && m_text) {
        m_list->hide();
        m_typingLimit->start(editor.maxLength, editor.digitsOnly, qs(editor.text));
        m_text->setText(qs(editor.text));
        m_text->selectAll();
        place(m_text, editor);
    } else if (editor.kind == CellEditor::Kind::List) {
        if (m_text) {
            m_text->hide();
        }
        mirrorItems(m_list, editor.items, editor.selected);
        place(m_list, editor);
    } else {
        if (m_text) {
            m_text->hide();
        }
        m_list->hide();
    }
    m_committing = false;
}

void CellGridView::place(QWidget* editor, const CellEditor& at) {
    editor->setGeometry(visualRect(model()->index(at.row - 1, at.column)));
    editor->show();
    editor->raise();
    editor->setFocus(Qt::MouseFocusReason);
}

void CellGridView::commit() {
    const CellEditor& editor = m_logic.editor();
    if (m_committing || m_closing || !editor.open()) {
        return;
    }
    m_committing = true;
    if (editor.kind == CellEditor::Kind::Text) {
        if (m_text) {
            m_logic.commitText(m_text->text());
        }
    } else {
        m_logic.commitList(m_list->currentIndex(), m_list->currentText());
    }
    m_committing = false;
}

bool CellGridView::eventFilter(QObject* watched, QEvent* event) {
    const bool editor = watched == m_list || (m_text && watched == m_text);
    // Opening the list's own pop-up is no loss of focus.
    if (editor && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        commit();
    }
    if (m_text && watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            setFocus(); // leaving the editor commits it
            return true;
        }
        if (key == Qt::Key_Escape) {
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

} // namespace qb::ui
