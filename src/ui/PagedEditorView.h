#pragma once

#include "DialogWidgets.h"

#include <QString>

#include <functional>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;

namespace qb {
class PagedEditor;
struct ListControl;
} // namespace qb

namespace qb::ui {

// How a dialog hands one of the installer's actions to its editor: take the typed texts, run
// the action, mirror the editor back.
using EditorAction = std::function<void(const std::function<void()>&)>;

// The paging controls of a paged editor's dialog: the page label, "To" with its box and "Page",
// then the previous and next page, "Add" and "Del".
class PagerBar {
public:
    struct Labels {
        QString prev; // "Prev" or "LastPage"
        QString prevName;
        QString next;
        QString nextName;
        int pageDigits; // the most a page number can have
        // "To" with its box and "Page"; a dialog without them only shows the page label.
        bool withTo = true;
    };

    PagerBar(QWidget* parent, const Labels& labels);

    QHBoxLayout* pagingRow() const { return m_pagingRow; }
    QHBoxLayout* movingRow() const { return m_movingRow; }

    void connectTo(PagedEditor& editor, QObject* context, const EditorAction& act);
    // The typed page number, for the editor to go to.
    void takeText(PagedEditor& editor) const;
    void mirror(const PagedEditor& editor);

private:
    QLabel* m_label = nullptr;
    QPushButton* m_to = nullptr;
    QLineEdit* m_page = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_del = nullptr;
    QHBoxLayout* m_pagingRow = nullptr;
    QHBoxLayout* m_movingRow = nullptr;
};

// The module side of a paged editor's dialog: the board choice, the module and result lists
// and "<<" / ">>".
void connectPicker(const ModulePicker& picker, PagedEditor& editor, QObject* context,
                   const EditorAction& act);
void mirrorPicker(const ModulePicker& picker, const PagedEditor& editor);

// The page side of the editors whose page names an input device (hand control, hydrant): the
// pager, "Reg", "IO-Board" and "Loop" on one row, then the inputs of that board and loop under
// their caption. Laid out in `group`, whose layout the caller may extend.
struct InputSide {
    QCheckBox* reg;
    QComboBox* boards;   // "inputBoards"
    QComboBox* loops;    // "inputLoops"
    QListWidget* inputs; // `inputsName`
};
InputSide inputSide(QGroupBox* group, PagerBar& pager, const QString& caption,
                    const QString& inputsName);
// The editor's answers to a tick of "Reg" and to a chosen board, loop or input.
struct InputActions {
    std::function<void(bool)> reg;
    std::function<void(int)> board;
    std::function<void(int)> loop;
    std::function<void(int)> input;
};
void connectInputSide(const InputSide& side, QObject* context, const EditorAction& act,
                      const InputActions& actions);
void mirrorInputSide(const InputSide& side, bool reg, const ListControl& boards,
                     const ListControl& loops, const ListControl& inputs);

} // namespace qb::ui
