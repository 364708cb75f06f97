#include "LinkageDialog.h"

#include "DialogWidgets.h"
#include "Mirror.h"
#include "linkage/GeneralLinkageEditor.h"
#include "linkage/ZoneLinkageEditor.h"
#include "store/LinkageTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

constexpr std::array<const char*, InputTypeControls::kBoxCodes.size()> kBoxLabels{
    "OptDet", "HeatDet", "ConvOptD", "ConvHeatD", "MCP"};
constexpr int digitsOf(int n) {
    return n < 10 ? 1 : 1 + digitsOf(n / 10);
}
// A page is at most the whole condition pool; an address at most the loop's last.
constexpr int kPageDigits = digitsOf(LinkageInputTable::kRecords);
constexpr int kAddressDigits = digitsOf(SpecificLinkageEditor::kAddressLimit);

} // namespace

LinkageDialog::LinkageDialog(LinkageEditor& editor, QWidget* parent)
    : PagedEditorDialog(editor, parent,
                        {"linkageDialog",
                         qs(editor.caption()),
                         {"Prev", "prev", "Next", "next", kPageDigits},
                         "Condition"}),
      m_editor(editor) {
    fillCondition();
    auto* conditionSide = new QVBoxLayout;
    conditionSide->addWidget(page());
    if (auto* general = dynamic_cast<GeneralLinkageEditor*>(&editor)) {
        conditionSide->addWidget(buildInputTypes(general->inputs, nullptr));
    } else if (auto* zone = dynamic_cast<ZoneLinkageEditor*>(&editor)) {
        conditionSide->addWidget(buildInputTypes(zone->inputs, zone));
    } else if ((m_specific = dynamic_cast<SpecificLinkageEditor*>(&editor))) {
        conditionSide->addWidget(buildSpecificRows(*m_specific));
    }
    conditionSide->addStretch();
    ModulePicker* outputs = buildPicker({});
    layOut(conditionSide, outputs, QSize(820, 440), qs(editor.exitLabel()));
}

void LinkageDialog::fillCondition() {
    QComboBox* delay = bindList(dropDown(page(), "delay"), m_editor.delay);
    QCheckBox* reg = buildReg(page(), m_editor.reg);

    auto* timing = new QHBoxLayout;
    timing->addWidget(new QLabel("Delay", page()));
    timing->addWidget(delay);
    timing->addSpacing(24);
    timing->addWidget(reg);
    timing->addStretch();
    pageLayout()->addLayout(timing);
}

QGroupBox* LinkageDialog::buildInputTypes(InputTypeControls& inputs, ZoneLinkageEditor* zone) {
    auto* group = new QGroupBox("Input", this);
    auto* layout = new QVBoxLayout(group);
    if (zone) {
        layout->addLayout(
            labelledRow(group, "Zone", bindList(dropDown(group, "zone"), zone->zones)));
    }

    auto* boxes = new QHBoxLayout;
    for (std::size_t i = 0; i < inputs.boxes.size(); ++i) {
        bool& ticked = inputs.boxes[i];
        boxes->addWidget(bindCheck(
            checkBox(group, kBoxLabels[i], QString("box%1").arg(i)), [&ticked] { return ticked; },
            [&ticked](bool on) { ticked = on; }));
    }
    boxes->addStretch();
    layout->addLayout(boxes);

    auto* types = new QGridLayout;
    types->addWidget(new QLabel("Input Type", group), 0, 0);
    for (std::size_t i = 0; i < inputs.lists.size(); ++i) {
        QComboBox* type =
            bindList(dropDown(group, QString("inputType%1").arg(i), 10), inputs.lists[i]);
        types->addWidget(type, static_cast<int>(i / 2), 1 + static_cast<int>(i % 2));
    }
    types->setColumnStretch(3, 1);
    layout->addLayout(types);

    QComboBox* fireSignals = bindList(dropDown(group, "fireSignals"), inputs.fireSignals);
    layout->addLayout(labelledRow(group, "Num of fire siginal:", fireSignals));
    return group;
}

QGroupBox* LinkageDialog::buildSpecificRows(SpecificLinkageEditor& specific) {
    auto* group = new QGroupBox("Input", this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(qs(specific.hostLabel()), group), 0, 1);
    grid->addWidget(new QLabel(qs(specific.boardLabel()), group), 0, 2);
    grid->addWidget(new QLabel("Addr", group), 0, 3);
    for (std::size_t i = 0; i < specific.rows.size(); ++i) {
        SpecificLinkageEditor::Row& input = specific.rows[i];
        const int row = static_cast<int>(i) + 1;
        QComboBox* host = bindList(dropDown(group, QString("host%1").arg(i)), input.host);
        QComboBox* board = bindList(dropDown(group, QString("board%1").arg(i)), input.board);
        QLineEdit* address = digitsBox(group, QString("addr%1").arg(i), kAddressDigits);
        alsoMirror([address, &input] { mirrorText(address, input.address); });
        address->installEventFilter(this);
        m_addresses[i] = address;
        grid->addWidget(new QLabel(QString::number(row), group), row, 0);
        grid->addWidget(host, row, 1);
        grid->addWidget(board, row, 2);
        grid->addWidget(address, row, 3);
    }
    grid->setColumnStretch(4, 1);
    return group;
}

void LinkageDialog::takeTexts() {
    if (m_specific) {
        for (std::size_t i = 0; i < m_addresses.size(); ++i) {
            m_specific->rows[i].address = u16(m_addresses[i]->text());
        }
    }
}

void LinkageDialog::exited() {
    m_editor.pressExit();
}

void LinkageDialog::leaveAddress(int row) {
    // The editor's answer may raise a message box, which takes the focus from the box again.
    if (m_leaving || finished() || !isVisible()) {
        return;
    }
    m_leaving = true;
    act([&] { m_specific->leaveAddress(row); });
    m_leaving = false;
}

bool LinkageDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && m_specific) {
        // Switching to another window or opening a pop-up does not leave the box: the focus
        // comes back to it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < m_addresses.size(); ++i) {
                if (watched == m_addresses[i]) {
                    leaveAddress(static_cast<int>(i));
                }
            }
        }
    }
    return PagedEditorDialog::eventFilter(watched, event);
}

bool runLinkageDialog(QWidget* parent, LinkageEditor& editor) {
    return runPagedDialog<LinkageDialog>(parent, editor);
}

} // namespace qb::ui
