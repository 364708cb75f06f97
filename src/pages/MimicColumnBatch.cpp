#include "MimicColumnBatch.h"

#include "ColumnBatchDialog.h"
#include "devices/MimicLedEditor.h"

#include <utility>

namespace qb::mimicbatch {

void run(MimicLedEditor& editor, int column, const std::function<bool(ColumnBatchDialog&)>& show) {
    std::optional<MimicLedEditor::BatchColumn> batch = editor.beginColumnBatch(column);
    if (!batch) {
        return;
    }
    ColumnBatchDialog dialog(column, std::move(batch->prompt), std::move(batch->items),
                             kAddressLimit, editor.prompter());
    if (show(dialog)) {
        editor.applyColumnBatch(column, dialog.selected(), dialog.range.start(),
                                dialog.range.end());
    }
}

} // namespace qb::mimicbatch
