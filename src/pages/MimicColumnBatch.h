#pragma once

#include <functional>

namespace qb {

class ColumnBatchDialog;
class MimicLedEditor;

// The column batch of the mimic LED dialog: the shared "Column Batch Setting" dialog over one
// column of the shown board, whose addresses are the board's 32 LED rows.
namespace mimicbatch {

inline constexpr int kAddressLimit = 32;

// The whole of `column` was selected. Asks `show` (true for OK) for a value and a range of
// rows, then gives them to those rows; a column that takes no batch is refused instead.
void run(MimicLedEditor& editor, int column, const std::function<bool(ColumnBatchDialog&)>& show);

} // namespace mimicbatch

} // namespace qb
