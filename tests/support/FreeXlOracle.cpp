#include "FreeXlOracle.h"

#include <freexl.h>

#include <memory>
#include <optional>

namespace qb::test {

namespace {

Error failure(const std::string& what) {
    return Error{Cause::InvalidInput, {}, "FreeXL: " + what};
}

std::optional<CellValue> cellValue(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return CellValue{std::int32_t{cell.value.int_value}};
    case FREEXL_CELL_DOUBLE:
        return CellValue{cell.value.double_value};
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return CellValue{std::string(cell.value.text_value ? cell.value.text_value : "")};
    default:
        return std::nullopt;
    }
}

} // namespace

Result<Workbook> readThroughFreeXl(const std::filesystem::path& path) {
    const void* opened = nullptr;
    const int result = freexl_open(path.c_str(), &opened);
    // FreeXL can report success with no handle.
    if (result != FREEXL_OK || !opened) {
        if (opened) {
            freexl_close(opened);
        }
        return failure("cannot open, error " + std::to_string(result));
    }
    const std::unique_ptr<const void, int (*)(const void*)> handle(opened, freexl_close);

    unsigned int sheets = 0;
    if (freexl_get_info(opened, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK) {
        return failure("no sheet count");
    }
    Workbook workbook;
    for (unsigned short index = 0; index < sheets; ++index) {
        const char* name = nullptr;
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_get_worksheet_name(opened, index, &name) != FREEXL_OK || !name ||
            freexl_select_active_worksheet(opened, index) != FREEXL_OK ||
            freexl_worksheet_dimensions(opened, &rows, &columns) != FREEXL_OK) {
            return failure("sheet " + std::to_string(index + 1) + " cannot be read");
        }
        Sheet& sheet = workbook.sheets.emplace_back(Sheet{name, {}});
        for (unsigned int row = 0; row < rows; ++row) {
            for (unsigned short column = 0; column < columns; ++column) {
                FreeXL_CellValue cell{};
                if (freexl_get_cell_value(opened, row, column, &cell) != FREEXL_OK) {
                    return failure("cell " + std::to_string(row) + "," + std::to_string(column));
                }
                if (std::optional<CellValue> value = cellValue(cell)) {
                    sheet.set(row, column, std::move(*value));
                }
            }
        }
    }
    return workbook;
}

} // namespace qb::test
