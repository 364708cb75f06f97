#pragma once

#include "ColumnDialogView.h"

class QLineEdit;

namespace qb {
class PositionDescriptionDialog;
}

namespace qb::ui {

// "Position Description Column Setting": one position text over the address range.
class PositionDescriptionView : public ColumnDialogView {
public:
    PositionDescriptionView(PositionDescriptionDialog& dialog, QWidget* parent);

private:
    QLineEdit* m_description = nullptr;
};

} // namespace qb::ui
