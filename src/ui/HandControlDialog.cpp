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
        mirrorInputSide(m_input, m_editor.reg, m_editor.inputBoards, m_editor.inputLoops,
                        m_editor.manualCtrls);
        mirrorList(m_hosts, m_editor.hosts);
        mirrorPicker(m_picker, m_editor);
    }

private:
    QGroupBox* buildPoint() {
        auto* group = new QGroupBox("Point", this);
        m_input = inputSide(group, pager(), "Addr+Produc Type", "manualCtrls");
        HandControlEditor& e = m_editor;
        connectInputSide(m_input, this, forward(),
                         {[&e](bool on) { e.reg = on; }, [&e](int i) { e.chooseInputBoard(i); },
                          [&e](int i) { e.chooseInputLoop(i); },
                          [&e](int i) { e.manualCtrls.select(i); }});
        return group;
    }

    // The module side: "Host" and "Loop" join the board choice, which reads "IO-Board" here.
    QGroupBox* buildOutput() {
        m_picker =
            modulePicker(this, "Output", "Result List", "results", "addOutput", "removeOutput");
        QGroupBox* group = m_picker.group;
        addLoopChoice(m_picker);
        m_hosts = dropDown(group, "hosts");
        m_picker.boardRow->insertWidget(0, new QLabel("Host", group));
        m_picker.boardRow->insertWidget(1, m_hosts);

        connectPicker(m_picker, m_editor, this, forward());
        connect(m_hosts, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseHost(index); }); });
        return group;
    }

    HandControlEditor& m_editor;
    InputSide m_input{};
    QComboBox* m_hosts = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runHandControlEditor(HandControlEditor& editor) {
    HandControlDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
