#include "WorkbookReader.h"

#include "CompoundFileReader.h"
#include "UnreadableCells.h"
#include "files/FileIo.h"

#include <freexl.h>

#include <optional>
#include <system_error>

namespace qb {

namespace {

// Far beyond any device workbook (about 2 MB); a larger file is not read into memory.
constexpr std::size_t kMaxFileSize = 256u << 20;

std::string freexlReason(int code) {
    switch (code) {
    case FREEXL_INSUFFICIENT_MEMORY:
        return "out of memory";
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return "not an Excel 97-2003 workbook (.xls)";
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR:
        return "the file is cut short or cannot be read";
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return "the file holds no workbook";
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
        return "a text cannot be decoded";
    default:
        return "the workbook is damaged (FreeXL error " + std::to_string(code) + ")";
    }
}

Error readError(const std::filesystem::path& path, Cause cause, const std::string& reason) {
    return Error{cause, {}, "Cannot read workbook " + path.string() + ": " + reason};
}

// What the reader takes from one FreeXL cell; a cell with no value is no cell.
std::optional<CellValue> cellValue(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return CellValue{std::int32_t{cell.value.int_value}};
    case FREEXL_CELL_DOUBLE:
        return CellValue{cell.value.double_value};
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return CellValue{std::string(cell.value.text_value ? cell.value.text_value : "")};
    default:
        return std::nullopt;
    }
}

} // namespace

void WorkbookReader::Closer::operator()(const void* handle) const {
    freexl_close(handle);
}

WorkbookReader::WorkbookReader(std::filesystem::path path, const void* handle)
    : m_path(std::move(path)), m_handle(handle) {}

Result<WorkbookReader> WorkbookReader::open(const std::filesystem::path& path) {
    // FreeXL opens whatever it is given: a FIFO would block it, a folder would read as damaged.
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (status.type() == std::filesystem::file_type::not_found) {
        return readError(path, Cause::Missing, "no such file");
    }
    if (code) {
        return Error{Cause::IoFailure, code,
                     "Cannot read workbook " + path.string() + ": " + code.message()};
    }
    if (status.type() != std::filesystem::file_type::regular) {
        return readError(path, Cause::NotAFile, "not a regular file");
    }

    // FreeXL gives formulas no value and error values as numbers: find those cells ourselves,
    // and refuse a broken container or record chain before FreeXL sees it.
    Result<FileStart> file = readFileStart(path, kMaxFileSize);
    if (!file) {
        return file.error();
    }
    if (file->size > kMaxFileSize) {
        return readError(path, Cause::InvalidInput, "the file is too large");
    }
    Result<std::vector<std::uint8_t>> stream = readWorkbookStream(file->bytes);
    if (!stream) {
        return readError(path, Cause::InvalidInput, stream.error().text);
    }
    auto unreadable = findUnreadableCells(*stream);
    if (!unreadable) {
        return readError(path, Cause::InvalidInput, unreadable.error().text);
    }

    const void* handle = nullptr;
    const int result = freexl_open(path.c_str(), &handle);
    if (result == FREEXL_FILE_NOT_FOUND) {
        // The file is there (checked above), so the open itself was refused.
        return readError(path, Cause::NoAccess, "the file cannot be opened");
    }
    if (result != FREEXL_OK) {
        if (handle) {
            freexl_close(handle);
        }
        return readError(path, Cause::InvalidInput, freexlReason(result));
    }
    // FreeXL reports success with no handle for some damaged files.
    if (!handle) {
        return readError(path, Cause::InvalidInput, "the workbook is damaged");
    }
    WorkbookReader reader(path, handle);

    reader.m_unreadable = std::move(*unreadable);

    unsigned int sheets = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK) {
        return readError(path, Cause::InvalidInput, "the list of sheets cannot be read");
    }
    for (unsigned int i = 0; i < sheets; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(i), &name) != FREEXL_OK ||
            !name) {
            return readError(path, Cause::InvalidInput,
                             "the name of sheet " + std::to_string(i + 1) + " cannot be read");
        }
        reader.m_sheetNames.emplace_back(name);
    }
    return reader;
}

Result<Sheet> WorkbookReader::readSheet(std::size_t index) const {
    if (index >= m_sheetNames.size()) {
        return readError(m_path, Cause::InvalidInput,
                         "no sheet number " + std::to_string(index + 1));
    }
    const std::string& name = m_sheetNames[index];
    const void* handle = m_handle.get();
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, static_cast<unsigned short>(index)) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
        return readError(m_path, Cause::InvalidInput, "sheet " + name + " cannot be read");
    }

    Sheet sheet{name, {}};
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell{};
            const int result = freexl_get_cell_value(handle, row, column, &cell);
            if (result != FREEXL_OK) {
                sheet.set(row, column, UnreadableCell{});
            } else if (std::optional<CellValue> value = cellValue(cell)) {
                sheet.set(row, column, std::move(*value));
            }
        }
    }
    if (auto it = m_unreadable.find(name); it != m_unreadable.end()) {
        for (const CellPosition& position : it->second) {
            sheet.set(position.row, position.column, UnreadableCell{});
        }
    }
    return sheet;
}

Result<Workbook> WorkbookReader::readAll() const {
    Workbook workbook;
    for (std::size_t i = 0; i < m_sheetNames.size(); ++i) {
        Result<Sheet> sheet = readSheet(i);
        if (!sheet) {
            return sheet.error();
        }
        workbook.sheets.push_back(std::move(*sheet));
    }
    return workbook;
}

} // namespace qb
