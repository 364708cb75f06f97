#pragma once

#include "pages/PageGrid.h"

#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
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
void mirrorSelector(QComboBox* combo, QLabel* label, const SelectorState& state);
void mirrorCheck(QCheckBox* box, const CheckBoxState& state);

// The page grid: row 0 of the logic is the table's header, the other rows its rows. Widths are
// converted from twips with the screen's resolution.
void mirrorGrid(QTableWidget* table, const PageGrid& grid);

} // namespace qb::ui
