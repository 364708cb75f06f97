#pragma once

#include "PagedEditorDialog.h"

namespace qb {
class KeypadEditor;
}

namespace qb::ui {

// The window of the keypad editor: the point's button and kind on the left, the target on the
// right.
class KeypadDialog : public PagedEditorDialog {
public:
    KeypadDialog(KeypadEditor& editor, QWidget* parent);
};

} // namespace qb::ui
