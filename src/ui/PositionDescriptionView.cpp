#include "PositionDescriptionView.h"

#include "DialogWidgets.h"
#include "Mirror.h"
#include "pages/ColumnBatchDialog.h"

#include <QFormLayout>
#include <QLineEdit>

namespace qb::ui {

PositionDescriptionView::PositionDescriptionView(PositionDescriptionDialog& dialog, QWidget* parent)
    : ColumnDialogView(parent, dialog.caption,
                       {dialog.range, [&dialog] { dialog.leaveStart(); },
                        [&dialog] { dialog.leaveEnd(); },
                        [this, &dialog] {
                            dialog.description = u16(m_description->text());
                            const bool ok = dialog.pressOk();
                            m_description->setText(qs(dialog.description));
                            return ok;
                        }}) {
    setObjectName("positionDescriptionDialog");
    addAddressRows();
    m_description = editBox(this, "description", PositionDescriptionDialog::kDescriptionLength);
    form()->addRow("Position Description:", m_description);
}

} // namespace qb::ui
