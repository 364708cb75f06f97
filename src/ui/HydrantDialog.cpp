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
        mirrorInputSide(m_input, m_editor.reg, m_editor.inputBoards, m_editor.inputLoops,
                        m_editor.inputs);
        mirrorList(m_batch, m_editor.batch);
        mirrorPicker(m_picker, m_editor);
    }

private:
    QGroupBox* buildInput() {
        auto* group = new QGroupBox("Input", this);
        m_input = inputSide(group, pager(), "Addr + Produc Type", "inputs");
        group->layout()->addWidget(buildBatch(group));
        HydrantEditor& e = m_editor;
        connectInputSide(m_input, this, forward(),
                         {[&e](bool on) { e.reg = on; }, [&e](int i) { e.chooseInputBoard(i); },
                          [&e](int i) { e.chooseInputLoop(i); },
                          [&e](int i) { e.chooseInput(i); }});
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
        addLoopChoice(m_picker);
        connectPicker(m_picker, m_editor, this, forward());
        return m_picker.group;
    }

    HydrantEditor& m_editor;
    InputSide m_input{};
    QComboBox* m_batch = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runHydrantEditor(HydrantEditor& editor) {
    HydrantDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
