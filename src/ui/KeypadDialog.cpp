#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "PagedEditorDialog.h"
#include "devices/KeypadEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

void mirrorCheck(QCheckBox* box, bool checked, bool enabled) {
    const QSignalBlocker block(box);
    box->setChecked(checked);
    box->setEnabled(enabled);
}

// The window of the keypad editor: the point's button and kind on the left, the target on the
// right.
class KeypadDialog : public PagedEditorDialog {
public:
    KeypadDialog(KeypadEditor& editor, QWidget* parent)
        : PagedEditorDialog(editor, parent, {"LastPage", "lastPage", "NextPage", "nextPage", 2}),
          m_editor(editor) {
        setObjectName("keypadDialog");
        setWindowTitle("Manual Control Panel Setting");
        auto* sides = new QHBoxLayout;
        sides->addWidget(buildPoint());
        sides->addWidget(buildTarget(), 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(sides);
        layout->addLayout(buildButtons());
        resize(sizeHint().expandedTo(QSize(760, 380)));
    }

    void refresh() override {
        pager().mirror(m_editor);
        mirrorCheck(m_reg, m_editor.reg, true);
        mirrorCheck(m_fieldDevice, m_editor.fieldDevice, m_editor.fieldDeviceEnabled);
        mirrorList(m_button, m_editor.buttons);
        mirrorPicker(m_picker, m_editor);
        m_picker.boards->setEnabled(m_editor.boardsEnabled());
    }

private:
    QGroupBox* buildPoint() {
        auto* group = new QGroupBox("Point", this);
        m_reg = checkBox(group, "Reg", "reg");
        m_fieldDevice = checkBox(group, "Field device", "fieldDevice");
        m_button = dropDown(group, "button", 12);

        auto* checks = new QHBoxLayout;
        checks->addWidget(m_reg);
        checks->addSpacing(24);
        checks->addWidget(m_fieldDevice);
        checks->addStretch();
        auto* buttonRow = new QHBoxLayout;
        buttonRow->addWidget(new QLabel("Button on the ZCP", group));
        buttonRow->addWidget(m_button);
        buttonRow->addStretch();
        auto* layout = new QVBoxLayout(group);
        layout->addLayout(pager().pagingRow());
        layout->addLayout(pager().movingRow());
        layout->addLayout(checks);
        layout->addLayout(buttonRow);
        layout->addStretch();

        connect(m_reg, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.reg = checked; }); });
        connect(m_fieldDevice, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.setFieldDevice(checked); }); });
        connect(m_button, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.buttons.select(index); }); });
        return group;
    }

    QGroupBox* buildTarget() {
        m_picker = modulePicker(this, "Target", "Outputs", "outputs", "addTarget", "removeTarget");
        connectPicker(m_picker, m_editor, this, forward());
        return m_picker.group;
    }

    KeypadEditor& m_editor;
    QCheckBox* m_reg = nullptr;
    QCheckBox* m_fieldDevice = nullptr;
    QComboBox* m_button = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runKeypadEditor(KeypadEditor& editor) {
    KeypadDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
