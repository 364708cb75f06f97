#include "ColumnDialogs.h"

namespace qb::ui {

bool WidgetDialogRunner::runMimicLedEditor(MimicLedEditor&) { return false; }

} // namespace qb::ui
