#pragma once

#include "base/PageGrid.h"

#include <QTableWidget>

#include <functional>
#include <tuple>

class QComboBox;
class QLineEdit;

namespace qb::ui {

class TypingLimitValidator;

// A grid of cells that the logic fills, with the cell editors that float over a cell while the
// logic holds one open there: a text editor (for a logic that opens them) and a drop-down
// list. An editor is placed and filled when the logic opens it and hidden when the logic
// closes it; losing the focus (to its own pop-up aside) hands what it holds to the logic.
//
// From the keyboard, on the current cell: F2 or Enter acts as a click (it opens the cell's
// editor), typing opens the editor with the typed text, Space acts as a double-click (it
// toggles a registration cell), Ctrl+Enter acts as the column caption, Ctrl+C and Ctrl+V copy
// and paste where the logic does. In an editor, Enter stores and Escape closes without storing.
//
// A grid that selects ranges (ContiguousSelection) extends its selection on a Shift+click
// without reporting a click, so that no editor opens.
class CellGridView : public QTableWidget {
public:
    // The logic behind the grid. Each commit is expected to mirror the logic back.
    struct Logic {
        std::function<const PageGrid&()> grid;
        std::function<const CellEditor&()> editor;
        // The text typed; none when the logic opens lists only.
        std::function<void(const QString&)> commitText;
        // The entry the list holds (-1 for none) and its text.
        std::function<void(int index, const QString& text)> commitList;
        // Drops the open editor without storing (Escape); none where a list is put back instead.
        std::function<void()> closeEditor = {};
        // What the caption of a column does (Ctrl+Enter on one of its cells); none for a click
        // on the caption.
        std::function<void(int column)> captionAction = {};
        // Ctrl+C and Ctrl+V on the grid; none where the grid has no clipboard.
        std::function<void()> copy = {};
        std::function<void()> paste = {};
    };

    // The logic of a grid whose editor opens lists only: `editor` holds grid(), cellEditor() and
    // commitList(); `refresh` mirrors the window back after a commit.
    template <class Editor> static Logic listsOf(Editor& editor, std::function<void()> refresh) {
        return {[&editor]() -> const PageGrid& { return editor.grid(); },
                [&editor]() -> const CellEditor& { return editor.cellEditor(); },
                {},
                [&editor, refresh = std::move(refresh)](int index, const QString&) {
                    editor.commitList(index);
                    refresh();
                }};
    }

    CellGridView(QWidget* parent, const QString& name, Logic logic);
    ~CellGridView() override;

    QLineEdit* textEditor() const { return m_text; } // "cellTextEditor"; null without commitText
    QComboBox* cellList() const { return m_list; }   // "cellList"

    // Copies the logic's grid and open editor into the widgets. An editor still open where it
    // was keeps what the installer typed or picked.
    void mirror();
    // Hands the open editor's content over now (a button or the grid's caption is about to act).
    void commit();
    // The window is going away: an editor losing the focus then commits nothing.
    void windowClosing() { m_closing = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void place(QWidget* editor, const CellEditor& at);
    // Escape in an editor: nothing it holds is stored, and the grid takes the focus back.
    void dropEditor();
    // Typing on a cell: opens its editor and hands it what was typed.
    void typeIntoCell(QKeyEvent* event, int row, int column);

    Logic m_logic;
    QLineEdit* m_text = nullptr;
    TypingLimitValidator* m_typingLimit = nullptr;
    QComboBox* m_list = nullptr;
    // The editor placed over the grid: kind, row and column.
    std::tuple<CellEditor::Kind, int, int> m_placed{CellEditor::Kind::None, 0, 0};
    bool m_committing = false;
    bool m_closing = false;
    bool m_extending = false; // the mouse button went down with Shift, extending the selection
};

} // namespace qb::ui
