#pragma once

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;

namespace qb::ui {

// The "Edit" menu: Undo and Redo of the page on view, each named after the step it would take,
// then Copy and Paste of grid cells. Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo, Ctrl+C copies
// and Ctrl+V pastes. A cell text box with the focus keeps Ctrl+Z (and
// its own redo keys) for its own typing: a line edit claims its undo keys before any shortcut.
class EditMenu : public QObject {
    Q_OBJECT
public:
    EditMenu(QMenuBar* bar, std::function<void()> undo, std::function<void()> redo,
             std::function<void()> copy, std::function<void()> paste);

    // Mirrors the logic's texts; an entry with nothing to do is greyed out.
    void mirror(const std::u16string& undoText, bool canUndo, const std::u16string& redoText,
                bool canRedo);

    QMenu* menu() const { return m_menu; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    QAction* copyAction() const { return m_copy; }
    QAction* pasteAction() const { return m_paste; }

private:
    QMenu* m_menu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
};

} // namespace qb::ui
