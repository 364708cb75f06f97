#include "HydrantDialog.h"

#include "DialogWidgets.h"
#include "devices/HydrantEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qb::ui {

HydrantDialog::HydrantDialog(HydrantEditor& editor, QWidget* parent)
    : PagedEditorDialog(
          editor, parent,
          {"hydrantDialog", "Four wire  hydrant setting", PagerBar::lastNext(2, false), "Input"}) {
    buildInputSide(
        {"Addr + Produc Type", "inputs"},
        InputSide::of(editor, editor.inputs, [&editor](int index) { editor.chooseInput(index); }));
    auto* batch = new QGroupBox("Batch Result List Setting", page());
    QComboBox* boards = bindList(dropDown(batch, "batch"), editor.batch,
                                 [&editor](int index) { editor.chooseBatch(index); });
    batch->setLayout(labelledRow(batch, "IO-Board:", boards));
    pageLayout()->addWidget(batch);

    // The module side: the board choice reads "IO-Board" here, with its "Loop" beside it.
    ModulePicker* outputs = buildPicker({.loopChoice = true});
    layOut(outputs, QSize(820, 440));
}

} // namespace qb::ui
