#include "GasZoneDialog.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// A titled group of captioned lists, one a row.
QGroupBox* group(QWidget* parent, const QString& title,
                 std::initializer_list<std::pair<QString, QComboBox*>> rows) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (const auto& [caption, list] : rows) {
        list->setParent(box);
        layout->addLayout(labelledRow(box, caption, list));
    }
    return box;
}

} // namespace

GasZoneDialog::GasZoneDialog(GasZoneEditor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor) {
    setObjectName("gasZoneDialog");
    setWindowTitle("Gas fire extinguishing zone parameter setting");

    using E = GasZoneEditor;
    m_zones = dropDown(this, "zones", 3);
    // Choosing the shown zone again loads its stored values anew.
    onChoice(
        m_zones, this,
        [this](int index) {
            m_editor.chooseZone(index);
            refresh();
        },
        Rechoice::Acts);
    auto* manual =
        group(this, "Manual bleed setting",
              {{"Manual On-Off on site:", parameterList(this, E::ManualRelease, "manualRelease")},
               {"Manual bleed delay:", parameterList(this, E::ManualDelay, "manualDelay")}});
    auto* combined =
        group(this, "Comb-Fire Bleed setting",
              {{"Smoke No:", parameterList(this, E::SmokeCount, "smokeCount")},
               {"Heat No:", parameterList(this, E::HeatCount, "heatCount")},
               {"Bleed Delay:", parameterList(this, E::ReleaseDelay, "releaseDelay")}});

    auto* ok = button(this, "OK", "ok");
    auto* cancel = button(this, "Cancel", "cancel");
    connect(ok, &QPushButton::clicked, this, [this] {
        m_editor.pressOk();
        refresh();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labelledRow(this, "Gas fire extinguishing zone:", m_zones));
    layout->addWidget(manual);
    layout->addLayout(labelledRow(
        this, "Horn/Strob On-Off Button :", parameterList(this, E::HornButton, "hornButton")));
    layout->addLayout(
        labelledRow(this, "Bleed confirm:", parameterList(this, E::ConfirmInput, "confirmInput")));
    layout->addLayout(
        labelledRow(this, "Valve Drive time:", parameterList(this, E::ValveDrive, "valveDrive")));
    layout->addWidget(combined);
    layout->addLayout(buttonRow({ok, cancel}));
    refresh();
    frameDialog(this);
}

QComboBox* GasZoneDialog::parameterList(QWidget* parent, GasZoneEditor::Parameter parameter,
                                        const char* name) {
    QComboBox* list = fittedDropDown(parent, name, 11);
    m_parameters[parameter] = list;
    onChoice(list, this,
             [this, parameter](int index) { m_editor.chooseParameter(parameter, index); });
    return list;
}

void GasZoneDialog::refresh() {
    mirrorList(m_zones, m_editor.zones);
    for (int p = 0; p < GasZoneEditor::kParameters; ++p) {
        mirrorList(m_parameters[p], m_editor.parameters[p]);
    }
}

} // namespace qb::ui
