#pragma once

#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QVBoxLayout;
class QWidget;
class QListWidget;

namespace qb {
struct ListControl;
}

namespace qb::ui {

// The page side of the editors whose page names an input device (hand control, hydrant): the
// page's "Reg" box, "IO-Board" and "Loop" on one row, then the inputs of that board and loop
// under their caption; laid out in `group`, under the pager, by its `layout`, which the caller
// may extend.
struct InputSide {
    struct Names {
        QString caption;    // over the inputs
        QString inputsName; // the inputs' object name
    };
    // What the editor holds there and its answers to a choice.
    struct Editor {
        bool& reg;
        const ListControl& boards;
        const ListControl& loops;
        const ListControl& inputs;
        std::function<void(int)> chooseBoard;
        std::function<void(int)> chooseLoop;
        std::function<void(int)> chooseInput;
    };
    // The same for an editor that names its board and loop lists and choices alike.
    template <class E>
    static Editor of(E& editor, const ListControl& inputs, std::function<void(int)> chooseInput) {
        return {editor.reg,
                editor.inputBoards,
                editor.inputLoops,
                inputs,
                [&editor](int index) { editor.chooseInputBoard(index); },
                [&editor](int index) { editor.chooseInputLoop(index); },
                std::move(chooseInput)};
    }

    InputSide(QWidget* group, QVBoxLayout* layout, QCheckBox* reg, const Names& names);

    QComboBox* boards;   // "inputBoards"
    QComboBox* loops;    // "inputLoops"
    QListWidget* inputs; // `inputsName`
};

} // namespace qb::ui
