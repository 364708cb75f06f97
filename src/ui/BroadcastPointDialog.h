#pragma once

#include "PagedEditorDialog.h"

namespace qb {
class BroadcastPointEditor;
}

namespace qb::ui {

// The window of "Broadcasting control point setting": the point with its controller on the
// left, the B-modules and the page's "Result List" on the right.
class BroadcastPointDialog : public PagedEditorDialog {
public:
    BroadcastPointDialog(BroadcastPointEditor& editor, QWidget* parent);
};

} // namespace qb::ui
