#pragma once

class QWidget;

namespace qb::ui {

// Readies a dialog each time it is shown, when its controls are all in place, whatever its
// subclass added after the call:
// - Tab goes through its controls as they read: row by row from the top, left to right within a
//   row, the controls of a group box or of a column of the layout together before the next;
//   what floats over a control (a grid's cell editors) right after it.
// - It is at least as wide as its title needs, so that the window system does not cut it.
// - It opens no larger than the smallest screen the program is used on (1024 x 768) allows.
void frameDialog(QWidget* dialog);

} // namespace qb::ui
