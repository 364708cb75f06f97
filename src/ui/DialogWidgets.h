#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace qb::ui {

// The controls of the editor dialogs, made the same way everywhere. The names are the object
// names the tests find them by.

// Never a default button: Enter must not press whichever button happens to have the focus.
QPushButton* button(QWidget* parent, const QString& text, const QString& name);
QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name);
QComboBox* dropDown(QWidget* parent, const QString& name, int contentLength = 4);
QListWidget* listBox(QWidget* parent, const QString& name);
// Digits only, as wide as `digits` of them.
QLineEdit* digitsBox(QWidget* parent, const QString& name, int digits);

// The module side of the linkage and keypad editors: "Loop-B", the "Module List", "<<" and
// ">>", and the list of what the page holds, left of the modules so "<<" points the way an
// entry moves.
struct ModulePicker {
    QGroupBox* group;
    QComboBox* boards;    // "loopBoards"
    QListWidget* modules; // "modules"
    QListWidget* targets; // `targetsName`
    QPushButton* add;     // "<<", `addName`
    QPushButton* remove;  // ">>", `removeName`
    // The row of the board choice and its caption, for a dialog that names the board otherwise
    // or chooses more than the board there (a host, a loop).
    QHBoxLayout* boardRow;
    QLabel* boardLabel;
    // "Loop" beside the board, once addLoopChoice() has put it there.
    QComboBox* loops = nullptr;
};
ModulePicker modulePicker(QWidget* parent, const QString& title, const QString& targetsLabel,
                          const QString& targetsName, const QString& addName,
                          const QString& removeName);
// The board choice reads "IO-Board" and the "Loop" choice ("loops") stands beside it.
void addLoopChoice(ModulePicker& picker);

} // namespace qb::ui
