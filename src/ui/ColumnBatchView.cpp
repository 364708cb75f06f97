#include "ColumnBatchView.h"

#include "DialogWidgets.h"
#include "Mirror.h"
#include "pages/ColumnBatchDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace qb::ui {

ColumnBatchView::ColumnBatchView(ColumnBatchDialog& dialog, QWidget* parent)
    : ColumnDialogView(parent, dialog.caption,
                       {dialog.range, [&dialog] { dialog.leaveStart(); },
                        [&dialog] { dialog.leaveEnd(); }, [&dialog] { return dialog.pressOk(); }}) {
    setObjectName("columnBatchDialog");
    auto* prompt = new QLabel(qs(dialog.prompt()), this);
    auto* list = fittedDropDown(this, "values");
    mirrorItems(list, dialog.items(), dialog.selected());
    onChoice(list, this, [&dialog](int index) { dialog.choose(index); });
    form()->addRow(prompt);
    form()->addRow(list);
    addAddressRows();
}

} // namespace qb::ui
