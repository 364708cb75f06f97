#include "ModeSelectionDialog.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qb::ui {

ModeSelectionDialog::ModeSelectionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("modeSelection");
    setWindowTitle(qs(m_logic.caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qs(m_logic.text), this));
    m_first = radioButton(this, "firstOption");
    m_second = radioButton(this, "secondOption");
    auto* group = new QButtonGroup(this);
    group->addButton(m_first, 0);
    group->addButton(m_second, 1);
    layout->addWidget(m_first);
    layout->addWidget(m_second);
    m_panelTypes = fittedDropDown(this, "panelType");
    layout->addWidget(m_panelTypes);
    auto* ok = dialogButton(this, "OK", "ok");
    layout->addLayout(buttonRow({ok}));

    // Toggled, not clicked: a screen reader or a switch device toggles the button without a
    // click, and the choice must follow the button all the same.
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            m_logic.chooseOption(id);
            refresh();
        }
    });
    onChoice(m_panelTypes, this, [this](int index) {
        m_logic.choosePanelType(index);
        refresh();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    frameDialog(this);
}

void ModeSelectionDialog::refresh() {
    m_first->setText(qs(m_logic.firstOptionLabel()));
    m_second->setText(qs(m_logic.secondOptionLabel()));
    m_first->setVisible(m_logic.firstOptionVisible());
    const QSignalBlocker blockFirst(m_first);
    const QSignalBlocker blockSecond(m_second);
    (m_logic.selectedOption() == 0 ? m_first : m_second)->setChecked(true);
    mirrorItems(m_panelTypes, m_logic.panelTypes, m_logic.panelType());
}

SystemCode ModeSelectionDialog::choose() {
    return exec() == QDialog::Accepted ? m_logic.accept() : ModeSelection::dismissed();
}

} // namespace qb::ui
