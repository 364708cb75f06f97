#pragma once

#include "Workbook.h"
#include "base/Result.h"

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>

namespace qb {

// Per sheet name (UTF-8), the cells of a workbook stream whose value a reader must not take:
// formulas (FreeXL gives them no value, though the file caches one) and error values (FreeXL
// gives them as the number 1). Walks the records the sheets' BOUNDSHEET offsets point to; a
// record running past the stream or a sheet offset that does not point to a BOF is an error.
Result<std::map<std::string, std::set<CellPosition>>>
findUnreadableCells(std::span<const std::uint8_t> workbookStream);

} // namespace qb
