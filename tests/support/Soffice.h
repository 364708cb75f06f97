#pragma once

#include "base/Result.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qb::test {

// LibreOffice Calc run headless as a check on our workbooks. Every run gets a profile folder of
// its own (removed afterwards): two soffice processes sharing one hand their work to each other
// or quietly do nothing, and the tests run in parallel. A missing soffice is a failure naming
// the package, never a skip.

using CsvRows = std::vector<std::vector<std::string>>;

// Every sheet of `workbook` as LibreOffice shows it, converted to CSV (UTF-8) in one run and read
// back; keyed by sheet name.
Result<std::map<std::string, CsvRows>>
sheetsThroughLibreOffice(const std::filesystem::path& workbook);

// `workbook` opened and saved again by LibreOffice as an Excel 97-2003 workbook at `target`.
Result<void> resaveThroughLibreOffice(const std::filesystem::path& workbook,
                                      const std::filesystem::path& target);

// RFC 4180 CSV: fields in double quotes may hold commas, line breaks and doubled quotes.
CsvRows parseCsv(std::string_view text);

} // namespace qb::test
