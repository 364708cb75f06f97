#pragma once

#include "PagedEditorDialog.h"

namespace qb {
class HydrantEditor;
}

namespace qb::ui {

// The window of the four-wire hydrant editor: the input and its batch rule on the left, the
// hydrant modules and the "Result List" on the right.
class HydrantDialog : public PagedEditorDialog {
public:
    HydrantDialog(HydrantEditor& editor, QWidget* parent);
};

} // namespace qb::ui
