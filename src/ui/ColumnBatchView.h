#pragma once

#include "ColumnDialogView.h"

namespace qb {
class ColumnBatchDialog;
}

namespace qb::ui {

// "Column Batch Setting": the column's prompt and its list over the address range.
class ColumnBatchView : public ColumnDialogView {
public:
    ColumnBatchView(ColumnBatchDialog& dialog, QWidget* parent);
};

} // namespace qb::ui
