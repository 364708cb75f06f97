#include "CellGridView.h"

#include <algorithm>

#include "DialogWidgets.h"
#include "Mirror.h"
#include "TypingLimitValidator.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace qb::ui {

CellGridView::CellGridView(QWidget* parent, const QString& name, Logic logic)
    : QTableWidget(parent), m_logic(std::move(logic)) {
    setObjectName(name);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the grid; the arrow keys move in it
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
    QRect cell = visualRect(model()->index(at.row - 1, at.column));
    // A list wider than its column shows its entries whole ("Constant" in a narrow column).
    cell.setWidth(std::max(cell.width(), editor->sizeHint().width()));
    editor->setGeometry(cell);
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
            dropEditor();
            return true;
        }
    }
    if (watched == m_list && event->type() == QEvent::KeyPress && !m_list->view()->isVisible() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        dropEditor();
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void CellGridView::dropEditor() {
    const CellEditor& editor = m_logic.editor();
    if (m_logic.closeEditor) {
        m_logic.closeEditor();
    } else if (editor.kind == CellEditor::Kind::List) {
        // The entry it opened with goes back, which stores nothing new.
        m_committing = true;
        m_list->setCurrentIndex(editor.selected);
        m_committing = false;
    }
    setFocus(); // with the editor closed nothing is committed; with a list put back, no change
    mirror();
}

bool CellGridView::event(QEvent* event) {
    // The grid's own copy and paste come before the Edit menu's shortcuts, as in a text box.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Copy) && m_logic.copy) ||
            (key->matches(QKeySequence::Paste) && m_logic.paste)) {
            event->accept();
            return true;
        }
    }
    return QTableWidget::event(event);
}

void CellGridView::mousePressEvent(QMouseEvent* event) {
    m_extending = selectionMode() == QAbstractItemView::ContiguousSelection &&
                  (event->modifiers() & Qt::ShiftModifier);
    QTableWidget::mousePressEvent(event);
}

void CellGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_extending) {
        QTableWidget::mouseReleaseEvent(event);
        return;
    }
    m_extending = false;
    const QSignalBlocker noClick(this); // the selection model still reports the new range
    QTableWidget::mouseReleaseEvent(event);
}

void CellGridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && m_logic.copy) {
        m_logic.copy();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste) && m_logic.paste) {
        m_logic.paste();
        event->accept();
        return;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    const int row = current.row();
    const int column = current.column();
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && modifiers == Qt::ControlModifier) {
        if (m_logic.captionAction) {
            m_logic.captionAction(column);
        } else {
            emit horizontalHeader()->sectionClicked(column); // as the dialogs' captions act
        }
    } else if ((enter || key == Qt::Key_F2) && modifiers == Qt::NoModifier) {
        emit cellClicked(row, column);
    } else if (key == Qt::Key_Space && modifiers == Qt::NoModifier) {
        emit cellDoubleClicked(row, column);
    } else if (!event->text().isEmpty() && event->text().front().isPrint() &&
               !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typeIntoCell(event, row, column);
    } else {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CellGridView::typeIntoCell(QKeyEvent* event, int row, int column) {
    emit cellClicked(row, column);
    const CellEditor& editor = m_logic.editor();
    if (editor.row != row + 1 || editor.column != column) {
        return;
    }
    if (editor.kind == CellEditor::Kind::Text && m_text) {
        m_text->clear();
        m_text->insert(event->text()); // under the editor's typing rules
    } else if (editor.kind == CellEditor::Kind::List) {
        QKeyEvent typed(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(m_list, &typed); // picks the entry starting so
    }
}

} // namespace qb::ui
