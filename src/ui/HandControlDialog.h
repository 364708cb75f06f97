#pragma once

#include "PagedEditorDialog.h"

namespace qb {
class HandControlEditor;
}

namespace qb::ui {

// The window of the hand control point editor: the point's ManualCtrl module on the left, the
// module side and the "Result List" with its one output on the right.
class HandControlDialog : public PagedEditorDialog {
public:
    HandControlDialog(HandControlEditor& editor, QWidget* parent);
};

} // namespace qb::ui
