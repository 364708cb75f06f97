#pragma once

#include "base/EditorControls.h"
#include "base/PageGrid.h"

#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace qb::ui {

inline QString qs(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::u16string u16(const QString& text) {
    return text.toStdU16String();
}

// Copy the logic's state into a widget with its signals blocked, so mirroring never feeds back
// as a user action. Each touches only what changed.
void mirrorItems(QComboBox* combo, const std::vector<std::u16string>& items, int current);
void mirrorItems(QListWidget* list, const std::vector<std::u16string>& items, int current);
// An empty list with a reason shows it in its place, greyed and in italics (a drop-down only what
// is missing), and carries it whole as its accessible description and tool tip; the reason is
// never an entry that can be chosen.
void mirrorList(QComboBox* combo, const ListControl& control);
void mirrorList(QListWidget* list, const ListControl& control);
void mirrorCheck(QCheckBox* box, bool checked);
// Leaves an unchanged text alone: rewriting it would move the cursor of a box being typed into.
void mirrorText(QLineEdit* box, const std::u16string& text);
void mirrorSelector(QComboBox* combo, QLabel* label, const SelectorState& state);
void mirrorCheck(QCheckBox* box, const CheckBoxState& state);

// The page grid: row 0 of the logic is the table's header, the other rows its rows. Widths are
// converted from twips with the screen's resolution.
void mirrorGrid(QTableWidget* table, const PageGrid& grid);

} // namespace qb::ui
