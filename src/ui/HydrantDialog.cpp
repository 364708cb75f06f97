#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "PagedEditorDialog.h"
#include "devices/HydrantEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// The window of the four-wire hydrant editor: the input and its batch rule on the left, the
// hydrant modules and the "Result List" on the right.
class HydrantDialog : public PagedEditorDialog {
public:
    HydrantDialog(HydrantEditor& editor, QWidget* parent)
        : PagedEditorDialog(editor, parent,
                            {"LastPage", "lastPage", "NextPage", "nextPage", 2, false}),
          m_editor(editor) {
        setObjectName("hydrantDialog");
        setWindowTitle("Four wire  hydrant setting");
        auto* sides = new QHBoxLayout;
        sides->addWidget(buildInput());
        sides->addWidget(buildOutputs(), 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(sides);
        layout->addLayout(buildButtons());
        resize(sizeHint().expandedTo(QSize(820, 440)));
    }

    void refresh() override {
        pager().mirror(m_editor);
        mirrorCheck(m_reg, m_editor.reg);
        mirrorList(m_inputBoards, m_editor.inputBoards);
        mirrorList(m_inputLoops, m_editor.inputLoops);
        mirrorList(m_inputs, m_editor.inputs);
        mirrorList(m_batch, m_editor.batch);
        mirrorList(m_loops, m_editor.loops);
        mirrorPicker(m_picker, m_editor);
    }

private:
    QGroupBox* buildInput() {
        auto* group = new QGroupBox("Input", this);
        m_reg = checkBox(group, "Reg", "reg");
        m_inputBoards = dropDown(group, "inputBoards");
        m_inputLoops = dropDown(group, "inputLoops");
        m_inputs = listBox(group, "inputs");

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
        layout->addWidget(new QLabel("Addr + Produc Type", group));
        layout->addWidget(m_inputs, 1);
        layout->addWidget(buildBatch(group));

        connect(m_reg, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.reg = checked; }); });
        connect(m_inputBoards, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseInputBoard(index); }); });
        connect(m_inputLoops, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseInputLoop(index); }); });
        connect(m_inputs, &QListWidget::currentRowChanged, this,
                [this](int row) { act([&] { m_editor.chooseInput(row); }); });
        return group;
    }

    QGroupBox* buildBatch(QWidget* parent) {
        auto* group = new QGroupBox("Batch Result List Setting", parent);
        m_batch = dropDown(group, "batch");
        auto* row = new QHBoxLayout(group);
        row->addWidget(new QLabel("IO-Board:", group));
        row->addWidget(m_batch);
        row->addStretch();
        connect(m_batch, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseBatch(index); }); });
        return group;
    }

    // The module side: the board choice reads "IO-Board" here, with its "Loop" beside it.
    QGroupBox* buildOutputs() {
        m_picker =
            modulePicker(this, "Output", "Result List", "results", "addOutput", "removeOutput");
        QGroupBox* group = m_picker.group;
        m_picker.boardLabel->setText("IO-Board");
        m_loops = dropDown(group, "loops");
        QHBoxLayout* row = m_picker.boardRow;
        row->insertWidget(row->indexOf(m_picker.boards) + 1, new QLabel("Loop", group));
        row->insertWidget(row->indexOf(m_picker.boards) + 2, m_loops);

        connectPicker(m_picker, m_editor, this, forward());
        connect(m_loops, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseLoop(index); }); });
        return group;
    }

    HydrantEditor& m_editor;
    QCheckBox* m_reg = nullptr;
    QComboBox* m_inputBoards = nullptr;
    QComboBox* m_inputLoops = nullptr;
    QListWidget* m_inputs = nullptr;
    QComboBox* m_batch = nullptr;
    QComboBox* m_loops = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runHydrantEditor(HydrantEditor& editor) {
    HydrantDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
