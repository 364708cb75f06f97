#include "BatchPlacementDialog.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "devices/BatchPlacementEditor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

BatchPlacementDialog::BatchPlacementDialog(BatchPlacementEditor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor) {
    setObjectName("batchPlacementDialog");
    setWindowTitle(qs(editor.caption));

    m_hosts = list("hosts", [&editor](int index) { editor.chooseHost(index); });
    // Any board chosen, the one shown included, starts its loops again at "01".
    m_boards = list(
        "boards", [&editor](int index) { editor.chooseBoard(index); }, Rechoice::Acts);
    m_loops = list("loops", [&editor](int index) { editor.chooseLoop(index); });
    m_zones = list("zones", [&editor](int index) { editor.chooseZone(index); });
    m_start = editBox(this, "startAddress");
    m_end = editBox(this, "endAddress");

    auto* form = new QFormLayout;
    form->addRow("Host", m_hosts);
    form->addRow("IO-Board", m_boards);
    form->addRow("Loop", m_loops);
    form->addRow("Zone", m_zones);
    form->addRow("Start Addr", m_start);
    form->addRow("End Addr", m_end);
    // Enter in a box presses "Set", the first of the buttons.
    auto* set = dialogButton(this, "Set", "set");
    auto* exit = dialogButton(this, "Eixt", "exit");
    set->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({set, exit}));

    connect(set, &QPushButton::clicked, this, [this] {
        m_editor.startText = u16(m_start->text());
        m_editor.endText = u16(m_end->text());
        m_editor.pressSet();
        refresh();
    });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    frameDialog(this);
}

QComboBox* BatchPlacementDialog::list(const char* name, std::function<void(int)> choose,
                                      Rechoice rechoice) {
    QComboBox* combo = dropDown(this, name, 6);
    onChoice(
        combo, this,
        [this, choose = std::move(choose)](int index) {
            choose(index);
            refresh();
        },
        rechoice);
    return combo;
}

void BatchPlacementDialog::refresh() {
    mirrorList(m_hosts, m_editor.hosts);
    mirrorList(m_boards, m_editor.boards);
    mirrorList(m_loops, m_editor.loops);
    mirrorList(m_zones, m_editor.zones);
    mirrorText(m_start, m_editor.startText);
    mirrorText(m_end, m_editor.endText);
}

} // namespace qb::ui
