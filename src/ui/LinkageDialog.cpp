#include "LinkageDialog.h"

#include "DialogWidgets.h"
#include "Mirror.h"
#include "store/LinkageTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
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
    : QDialog(parent), m_editor(editor) {
    setObjectName("linkageDialog");
    setWindowTitle(qs(editor.caption()));
    if (auto* general = dynamic_cast<GeneralLinkageEditor*>(&editor)) {
        m_inputs = &general->inputs;
    } else if (auto* zone = dynamic_cast<ZoneLinkageEditor*>(&editor)) {
        m_zoneEditor = zone;
        m_inputs = &zone->inputs;
    } else {
        m_specific = dynamic_cast<SpecificLinkageEditor*>(&editor);
    }

    auto* conditionSide = new QVBoxLayout;
    conditionSide->addWidget(buildCondition());
    if (m_inputs) {
        conditionSide->addWidget(buildInputTypes(*m_inputs, m_zoneEditor));
    } else if (m_specific) {
        conditionSide->addWidget(buildSpecificRows(*m_specific));
    }
    conditionSide->addStretch();

    auto* sides = new QHBoxLayout;
    sides->addLayout(conditionSide);
    sides->addWidget(buildOutputs(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addLayout(buildButtons());
    resize(sizeHint().expandedTo(QSize(820, 440)));
}

QGroupBox* LinkageDialog::buildCondition() {
    auto* group = new QGroupBox("Condition", this);
    m_pager = std::make_unique<PagerBar>(
        group, PagerBar::Labels{"Prev", "prev", "Next", "next", kPageDigits});
    m_delay = dropDown(group, "delay");
    m_reg = new QCheckBox("Reg", group);
    m_reg->setObjectName("reg");

    auto* timing = new QHBoxLayout;
    timing->addWidget(new QLabel("Delay", group));
    timing->addWidget(m_delay);
    timing->addSpacing(24);
    timing->addWidget(m_reg);
    timing->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(m_pager->pagingRow());
    layout->addLayout(m_pager->movingRow());
    layout->addLayout(timing);

    m_pager->connectTo(m_editor, this, [this](const std::function<void()>& a) { act(a); });
    connect(m_delay, &QComboBox::activated, this,
            [this](int index) { act([&] { m_editor.delay.select(index); }); });
    connect(m_reg, &QCheckBox::clicked, this,
            [this](bool checked) { act([&] { m_editor.reg = checked; }); });
    return group;
}

QGroupBox* LinkageDialog::buildInputTypes(InputTypeControls& inputs, ZoneLinkageEditor* zone) {
    auto* group = new QGroupBox("Input", this);
    auto* layout = new QVBoxLayout(group);
    if (zone) {
        m_zone = dropDown(group, "zone");
        auto* zoneRow = new QHBoxLayout;
        zoneRow->addWidget(new QLabel("Zone", group));
        zoneRow->addWidget(m_zone);
        zoneRow->addStretch();
        layout->addLayout(zoneRow);
        connect(m_zone, &QComboBox::activated, this,
                [this, zone](int index) { act([&] { zone->zones.select(index); }); });
    }

    auto* boxes = new QHBoxLayout;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i] = new QCheckBox(kBoxLabels[i], group);
        m_boxes[i]->setObjectName(QString("box%1").arg(i));
        boxes->addWidget(m_boxes[i]);
        connect(m_boxes[i], &QCheckBox::clicked, this,
                [this, &inputs, i](bool checked) { act([&] { inputs.boxes[i] = checked; }); });
    }
    boxes->addStretch();
    layout->addLayout(boxes);

    auto* types = new QGridLayout;
    types->addWidget(new QLabel("Input Type", group), 0, 0);
    for (std::size_t i = 0; i < m_inputTypes.size(); ++i) {
        m_inputTypes[i] = dropDown(group, QString("inputType%1").arg(i), 10);
        types->addWidget(m_inputTypes[i], static_cast<int>(i / 2), 1 + static_cast<int>(i % 2));
        connect(m_inputTypes[i], &QComboBox::activated, this,
                [this, &inputs, i](int index) { act([&] { inputs.lists[i].select(index); }); });
    }
    types->setColumnStretch(3, 1);
    layout->addLayout(types);

    m_fireSignals = dropDown(group, "fireSignals");
    auto* signalRow = new QHBoxLayout;
    signalRow->addWidget(new QLabel("Num of fire siginal:", group));
    signalRow->addWidget(m_fireSignals);
    signalRow->addStretch();
    layout->addLayout(signalRow);
    connect(m_fireSignals, &QComboBox::activated, this,
            [this, &inputs](int index) { act([&] { inputs.fireSignals.select(index); }); });
    return group;
}

QGroupBox* LinkageDialog::buildSpecificRows(SpecificLinkageEditor& specific) {
    auto* group = new QGroupBox("Input", this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(qs(specific.hostLabel()), group), 0, 1);
    grid->addWidget(new QLabel(qs(specific.boardLabel()), group), 0, 2);
    grid->addWidget(new QLabel("Addr", group), 0, 3);
    for (std::size_t i = 0; i < m_hosts.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        m_hosts[i] = dropDown(group, QString("host%1").arg(i));
        m_boards[i] = dropDown(group, QString("board%1").arg(i));
        m_addresses[i] = digitsBox(group, QString("addr%1").arg(i), kAddressDigits);
        m_addresses[i]->installEventFilter(this);
        grid->addWidget(new QLabel(QString::number(row), group), row, 0);
        grid->addWidget(m_hosts[i], row, 1);
        grid->addWidget(m_boards[i], row, 2);
        grid->addWidget(m_addresses[i], row, 3);
        connect(m_hosts[i], &QComboBox::activated, this, [this, &specific, i](int index) {
            act([&] { specific.rows[i].host.select(index); });
        });
        connect(m_boards[i], &QComboBox::activated, this, [this, &specific, i](int index) {
            act([&] { specific.rows[i].board.select(index); });
        });
    }
    grid->setColumnStretch(4, 1);
    return group;
}

QGroupBox* LinkageDialog::buildOutputs() {
    m_picker = modulePicker(this, "Output", "Result List", "results", "addOutput", "removeOutput");
    connectPicker(m_picker, m_editor, this, [this](const std::function<void()>& a) { act(a); });
    return m_picker.group;
}

QLayout* LinkageDialog::buildButtons() {
    auto* ok = button(this, "OK", "ok");
    m_exit = button(this, qs(m_editor.exitLabel()), "exit");
    connect(ok, &QPushButton::clicked, this, [this] { pressOk(); });
    connect(m_exit, &QPushButton::clicked, this, &LinkageDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(m_exit);
    return row;
}

void LinkageDialog::act(const std::function<void()>& action) {
    if (m_finished) {
        return;
    }
    takeTexts();
    action();
    refresh();
}

void LinkageDialog::takeTexts() {
    m_pager->takeText(m_editor);
    if (m_specific) {
        for (std::size_t i = 0; i < m_addresses.size(); ++i) {
            m_specific->rows[i].address = u16(m_addresses[i]->text());
        }
    }
}

void LinkageDialog::refresh() {
    m_pager->mirror(m_editor);
    mirrorList(m_delay, m_editor.delay);
    mirrorCheck(m_reg, m_editor.reg);

    if (m_inputs) {
        for (std::size_t i = 0; i < m_boxes.size(); ++i) {
            mirrorCheck(m_boxes[i], m_inputs->boxes[i]);
        }
        for (std::size_t i = 0; i < m_inputTypes.size(); ++i) {
            mirrorList(m_inputTypes[i], m_inputs->lists[i]);
        }
        mirrorList(m_fireSignals, m_inputs->fireSignals);
    }
    if (m_zoneEditor) {
        mirrorList(m_zone, m_zoneEditor->zones);
    }
    if (m_specific) {
        for (std::size_t i = 0; i < m_hosts.size(); ++i) {
            mirrorList(m_hosts[i], m_specific->rows[i].host);
            mirrorList(m_boards[i], m_specific->rows[i].board);
            mirrorText(m_addresses[i], m_specific->rows[i].address);
        }
    }

    mirrorPicker(m_picker, m_editor);
}

void LinkageDialog::pressOk() {
    if (m_finished) {
        return;
    }
    takeTexts();
    if (m_editor.pressOk()) {
        m_finished = true;
        accept();
    } else {
        refresh();
    }
}

void LinkageDialog::reject() {
    // A close can still arrive once the dialog has ended; the tables are restored only once.
    if (m_finished) {
        return;
    }
    m_finished = true;
    m_editor.pressExit();
    QDialog::reject();
}

void LinkageDialog::leaveAddress(int row) {
    // The editor's answer may raise a message box, which takes the focus from the box again.
    if (m_leaving || m_finished || !isVisible()) {
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
    return QDialog::eventFilter(watched, event);
}

bool runLinkageDialog(QWidget* parent, LinkageEditor& editor) {
    LinkageDialog dialog(editor, parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
