#pragma once

#include "devices/GasZoneEditor.h"

#include <QDialog>

#include <array>

class QComboBox;

namespace qb::ui {

// The view of "Gas fire extinguishing zone parameter setting": the zone list and its parameter
// lists, OK and Cancel. OK leaves the dialog open for the next zone.
class GasZoneDialog : public QDialog {
public:
    GasZoneDialog(GasZoneEditor& editor, QWidget* parent);

private:
    QComboBox* parameterList(QWidget* parent, GasZoneEditor::Parameter parameter, const char* name);
    void refresh();

    GasZoneEditor& m_editor;
    QComboBox* m_zones;
    std::array<QComboBox*, GasZoneEditor::kParameters> m_parameters{};
};

} // namespace qb::ui
