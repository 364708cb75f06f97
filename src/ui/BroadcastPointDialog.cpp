#include "BroadcastPointDialog.h"

#include "DialogWidgets.h"
#include "devices/BroadcastPointEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qb::ui {

BroadcastPointDialog::BroadcastPointDialog(BroadcastPointEditor& editor, QWidget* parent)
    : PagedEditorDialog(
          editor, parent,
          {"broadcastPointDialog", "Broadcasting control point setting", PagerBar::lastNext(3)}) {
    QCheckBox* reg = buildReg(
        page(), [&editor] { return editor.reg(); }, [&editor](bool on) { editor.setReg(on); });
    QComboBox* controllers = bindList(dropDown(page(), "controllers", 3), editor.controllers,
                                      [&editor](int index) { editor.chooseController(index); });
    QComboBox* points = bindList(dropDown(page(), "points", 3), editor.points,
                                 [&editor](int index) { editor.choosePoint(index); });

    pager().pagingRow()->insertWidget(0, new QLabel("Cond:", page()));
    pageLayout()->addWidget(reg);
    pageLayout()->addLayout(labelledRow(page(), "Broadcast Controller", controllers));
    pageLayout()->addLayout(labelledRow(page(), "B-Point", points));
    pageLayout()->addStretch();

    // The module side: the board choice reads "IO-Board" here, with its "Loop" beside it.
    ModulePicker* modules = buildPicker({.title = "B-module", .loopChoice = true});
    layOut(modules, QSize(820, 420), "Eixt");
}

} // namespace qb::ui
