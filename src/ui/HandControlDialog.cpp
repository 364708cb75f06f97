#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "PagedEditorDialog.h"
#include "devices/HandControlEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// The window of the hand control point editor: the point's ManualCtrl module on the left, the
// module side and the "Result List" with its one output on the right.
class HandControlDialog : public PagedEditorDialog {
public:
    HandControlDialog(HandControlEditor& editor, QWidget* parent)
        : PagedEditorDialog(editor, parent, {"LastPage", "lastPage", "NextPage", "nextPage", 4}),
          m_editor(editor) {
        setObjectName("handControlDialog");
        setWindowTitle("Manual Control Panel Setting");
        auto* sides = new QHBoxLayout;
        sides->addWidget(buildPoint());
        sides->addWidget(buildOutput(), 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(sides);
        layout->addLayout(buildButtons());
        resize(sizeHint().expandedTo(QSize(820, 420)));
    }

    void refresh() override {
        pager().mirror(m_editor);
        mirrorCheck(m_reg, m_editor.reg);
        mirrorList(m_inputBoards, m_editor.inputBoards);
        mirrorList(m_inputLoops, m_editor.inputLoops);
        mirrorList(m_manualCtrls, m_editor.manualCtrls);
        mirrorList(m_hosts, m_editor.hosts);
        mirrorList(m_loops, m_editor.loops);
        mirrorPicker(m_picker, m_editor);
    }

private:
    QGroupBox* buildPoint() {
        auto* group = new QGroupBox("Point", this);
        m_reg = checkBox(group, "Reg", "reg");
        m_inputBoards = dropDown(group, "inputBoards");
        m_inputLoops = dropDown(group, "inputLoops");
        m_manualCtrls = listBox(group, "manualCtrls");

        auto* inputRow = new QHBoxLayout;
        inputRow->addWidget(new QLabel("IO-Board", group));
        inputRow->addWidget(m_inputBoards);
        inputRow->addWidget(new QLabel("Loop", group));
        inputRow->addWidget(m_inputLoops);
        inputRow->addStretch();
        auto* layout = new QVBoxLayout(group);
        layout->addLayout(pager().pagingRow());
        layout->addLayout(pager().movingRow());
        layout->addWidget(m_reg);
        layout->addLayout(inputRow);
        layout->addWidget(new QLabel("Addr+Produc Type", group));
        layout->addWidget(m_manualCtrls, 1);

        connect(m_reg, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.reg = checked; }); });
        connect(m_inputBoards, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseInputBoard(index); }); });
        connect(m_inputLoops, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseInputLoop(index); }); });
        connect(m_manualCtrls, &QListWidget::currentRowChanged, this,
                [this](int row) { act([&] { m_editor.manualCtrls.select(row); }); });
        return group;
    }

    // The module side: "Host" and "Loop" join the board choice, which reads "IO-Board" here.
    QGroupBox* buildOutput() {
        m_picker =
            modulePicker(this, "Output", "Result List", "results", "addOutput", "removeOutput");
        QGroupBox* group = m_picker.group;
        m_picker.boardLabel->setText("IO-Board");
        m_hosts = dropDown(group, "hosts");
        m_loops = dropDown(group, "loops");
        QHBoxLayout* row = m_picker.boardRow;
        row->insertWidget(0, new QLabel("Host", group));
        row->insertWidget(1, m_hosts);
        row->insertWidget(row->indexOf(m_picker.boards) + 1, new QLabel("Loop", group));
        row->insertWidget(row->indexOf(m_picker.boards) + 2, m_loops);

        connectPicker(m_picker, m_editor, this, forward());
        connect(m_hosts, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseHost(index); }); });
        connect(m_loops, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseLoop(index); }); });
        return group;
    }

    HandControlEditor& m_editor;
    QCheckBox* m_reg = nullptr;
    QComboBox* m_inputBoards = nullptr;
    QComboBox* m_inputLoops = nullptr;
    QListWidget* m_manualCtrls = nullptr;
    QComboBox* m_hosts = nullptr;
    QComboBox* m_loops = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runHandControlEditor(HandControlEditor& editor) {
    HandControlDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
