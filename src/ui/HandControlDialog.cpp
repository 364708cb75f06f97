#include "HandControlDialog.h"

#include "DialogWidgets.h"
#include "devices/HandControlEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace qb::ui {

HandControlDialog::HandControlDialog(HandControlEditor& editor, QWidget* parent)
    : PagedEditorDialog(
          editor, parent,
          {"handControlDialog", "Manual Control Panel Setting", PagerBar::lastNext(4)}) {
    buildInputSide({"Addr+Produc Type", "manualCtrls"},
                   InputSide::of(editor, editor.manualCtrls,
                                 [&editor](int index) { editor.manualCtrls.select(index); }));

    // The module side: "Host" above the board choice, which reads "IO-Board" here, with its
    // "Loop" beside it.
    ModulePicker* output = buildPicker({.loopChoice = true});
    QComboBox* hosts = bindList(dropDown(output, "hosts"), editor.hosts,
                                [&editor](int index) { editor.chooseHost(index); });
    QHBoxLayout* hostRow = output->addRowAboveBoards();
    hostRow->addWidget(new QLabel("Host", output));
    hostRow->addWidget(hosts);
    hostRow->addStretch();
    layOut(output, QSize(820, 420));
}

} // namespace qb::ui
