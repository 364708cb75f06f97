#include "KeypadDialog.h"

#include "DialogWidgets.h"
#include "devices/KeypadEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qb::ui {

KeypadDialog::KeypadDialog(KeypadEditor& editor, QWidget* parent)
    : PagedEditorDialog(editor, parent,
                        {"keypadDialog", "Manual Control Panel Setting", PagerBar::lastNext(2)}) {
    QCheckBox* reg = buildReg(page(), editor.reg);
    QCheckBox* fieldDevice = bindCheck(
        checkBox(page(), "Field device", "fieldDevice"), [&editor] { return editor.fieldDevice; },
        [&editor](bool on) { editor.setFieldDevice(on); });
    alsoMirror([fieldDevice, &editor] { fieldDevice->setEnabled(editor.fieldDeviceEnabled); });
    QComboBox* button = bindList(dropDown(page(), "button", 12), editor.buttons);

    auto* checks = new QHBoxLayout;
    checks->addWidget(reg);
    checks->addSpacing(24);
    checks->addWidget(fieldDevice);
    checks->addStretch();
    pageLayout()->addLayout(checks);
    pageLayout()->addLayout(labelledRow(page(), "Button on the ZCP", button));
    pageLayout()->addStretch();

    ModulePicker* target = buildPicker({.title = "Target",
                                        .targetsLabel = "Outputs",
                                        .targetsName = "outputs",
                                        .addName = "addTarget",
                                        .removeName = "removeTarget"});
    alsoMirror([target, &editor] { target->boards()->setEnabled(editor.boardsEnabled()); });
    layOut(target, QSize(760, 380));
}

} // namespace qb::ui
