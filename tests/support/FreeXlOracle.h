#pragma once

#include "base/Result.h"
#include "excel/Workbook.h"

#include <filesystem>

namespace qb::test {

// The workbook as FreeXL reads it, for checking our reader against another one. FreeXL's own
// way: RK numbers as whole numbers, NUMBER records as doubles, texts as text; a cell FreeXL gives
// no value (a formula) is left out. Only for workbooks that are known to be sound: FreeXL
// crashes on some damaged ones.
Result<Workbook> readThroughFreeXl(const std::filesystem::path& path);

} // namespace qb::test
