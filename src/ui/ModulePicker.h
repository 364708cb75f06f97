#pragma once

#include "PagerBar.h"

#include <QGroupBox>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace qb {
class PagedEditor;
}

namespace qb::ui {

// The module side of a paged editor's dialog: the board choice ("Loop-B"), the "Module List",
// "<<" and ">>", and the list of what the page holds, left of the modules so "<<" points the
// way an entry moves. It forwards to the editor's module side and mirrors it.
class ModulePicker : public QGroupBox {
public:
    struct Names {
        QString title = "Output";
        QString targetsLabel = "Result List";
        QString targetsName = "results";
        QString addName = "addOutput";       // "<<"
        QString removeName = "removeOutput"; // ">>"
        // The board choice reads "IO-Board" and the "Loop" choice ("loops") stands beside it.
        bool loopChoice = false;
    };

    ModulePicker(QWidget* parent, const Names& names);

    // "loopBoards".
    QComboBox* boards() const { return m_boards; }
    // A row of its own above the board choice, for a dialog that chooses more there (a host):
    // beside the board and the loop it would make the window wider than a small screen.
    QHBoxLayout* addRowAboveBoards();

    void connectTo(PagedEditor& editor, QObject* context, const EditorAction& act);
    void mirror(const PagedEditor& editor);

private:
    void addLoopChoice();

    QComboBox* m_boards;
    QListWidget* m_modules;
    QListWidget* m_targets;
    QPushButton* m_add;
    QPushButton* m_remove;
    QVBoxLayout* m_modulesColumn = nullptr;
    QHBoxLayout* m_boardRow = nullptr;
    QLabel* m_boardLabel = nullptr;
    QComboBox* m_loops = nullptr;
};

} // namespace qb::ui
