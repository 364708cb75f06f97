#include "ColumnDialogs.h"

namespace qb::ui {

bool WidgetDialogRunner::runKeypadEditor(KeypadEditor&) { return false; }

} // namespace qb::ui
