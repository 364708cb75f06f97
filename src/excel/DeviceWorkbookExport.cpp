#include "DeviceSheet.h"
#include "DeviceWorkbook.h"
#include "WorkbookReader.h"
#include "WorkbookWriter.h"
#include "base/Prompter.h"
#include "files/FileIo.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"

#include <map>
#include <optional>
#include <utility>

namespace qb {

namespace {

using namespace device_sheet;
namespace fs = std::filesystem;

// Far beyond a device workbook (a few MB); a larger file is refused rather than read.
constexpr std::size_t kLargestWorkbook = 256u << 20;

// The values a device record gives the seven value columns, in column order after Addr.
std::array<CellValue, kColumnCount> rowValues(const DeviceRecord& device) {
    std::string position = toUtf8(device.position.view());
    if (position.empty()) {
        position = " "; // an empty position goes out as a single blank
    }
    return {CellValue{std::int32_t{device.address}},   CellValue{std::int32_t{device.registration}},
            CellValue{std::int32_t{device.equipType}}, CellValue{std::int32_t{device.productType}},
            CellValue{std::int32_t{device.zone} + 1},  CellValue{std::int32_t{device.outputMode}},
            CellValue{std::int32_t{device.workMode}},  CellValue{std::move(position)}};
}

// A sheet as a missing one is made: the header row and a row for each address 1..324, which
// the update then fills like any other.
Sheet newDeviceSheet(const std::string& name) {
    Sheet sheet{name, {}};
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        sheet.set(0, static_cast<std::uint16_t>(c), std::string(kColumnNames[c]));
    }
    for (int address = 1; address <= kAddressesPerLoop; ++address) {
        sheet.set(static_cast<std::uint32_t>(address), kAddr, std::int32_t{address});
    }
    return sheet;
}

struct ExportReport {
    bool created = false;
    std::vector<std::string> addedSheets;
    std::vector<std::string> filledSheets; // there, but without a single cell
    std::vector<std::string> addedColumns; // "IO1_1 Zone"
};

// Gives the sheet every value column it lacks, after its last header cell. A sheet without an
// Addr column has no row an address could select: that is an error.
Result<Layout> completeLayout(Sheet& sheet, ExportReport& report) {
    Layout layout = locate(sheet);
    if (!layout.columns[kAddr]) {
        return Error{Cause::InvalidInput, {}, "sheet " + sheet.name + ": no column \"Addr\""};
    }
    std::uint16_t next = 0;
    for (const auto& [position, value] : sheet.cells) {
        if (position.row == layout.headerRow && position.column >= next) {
            next = static_cast<std::uint16_t>(position.column + 1);
        }
    }
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        if (layout.columns[c]) {
            continue;
        }
        if (next >= workbook_limits::kColumns) {
            return Error{Cause::InvalidInput,
                         {},
                         "sheet " + sheet.name + ": no room for column \"" +
                             std::string(kColumnNames[c]) + "\""};
        }
        sheet.set(layout.headerRow, next, std::string(kColumnNames[c]));
        layout.columns[c] = next++;
        report.addedColumns.push_back(sheet.name + " " + std::string(kColumnNames[c]));
    }
    return layout;
}

// Every row whose Addr matches a record's address gets the record's values, as an UPDATE ...
// WHERE Addr=<address> would; a record with no row adds none. An Addr that cannot be read would
// leave its row unmatched without a word: it stops the export (the returned text says where).
std::optional<std::string> updateRows(Sheet& sheet, const Layout& layout, const BoardDevices& board,
                                      int loop, const std::string& fileName) {
    std::multimap<std::int64_t, std::uint32_t> rowsByAddress;
    for (std::uint32_t row : dataRows(sheet, layout.headerRow)) {
        const CellValue* cell = sheet.find(row, *layout.columns[kAddr]);
        if (!cell) {
            continue; // a row without an Addr matches nothing
        }
        const std::optional<std::int64_t> address = numberOf(cell);
        if (!address) {
            return cellPlace(fileName, sheet.name, row, kAddr) + kUnreadableCell;
        }
        rowsByAddress.emplace(*address, row);
    }
    for (int slot = 1; slot <= kAddressesPerLoop; ++slot) {
        const DeviceRecord& device = board.device(loop, slot);
        const auto [first, last] = rowsByAddress.equal_range(device.address);
        if (first == last) {
            continue;
        }
        std::array<CellValue, kColumnCount> values = rowValues(device);
        for (auto it = first; it != last; ++it) {
            for (std::size_t c = kReg; c < kColumnCount; ++c) {
                sheet.set(it->second, *layout.columns[c], values[c]);
            }
        }
    }
    return std::nullopt;
}

std::size_t countUnreadable(const Workbook& workbook) {
    std::size_t count = 0;
    for (const Sheet& sheet : workbook.sheets) {
        for (const auto& [position, value] : sheet.cells) {
            count += std::holds_alternative<UnreadableCell>(value) ? 1 : 0;
        }
    }
    return count;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

std::string closingMessage(const ExportReport& report, const fs::path& path, std::size_t emptied) {
    std::string text = device_workbook::kExported;
    if (report.created) {
        text += "\n" + path.filename().string() + " did not exist: it was created with all " +
                std::to_string(report.addedSheets.size()) + " sheets";
    } else {
        if (!report.addedSheets.empty()) {
            text += "\nSheets added: " + joined(report.addedSheets);
        }
        if (!report.filledSheets.empty()) {
            text += "\nEmpty sheets filled: " + joined(report.filledSheets);
        }
        text += "\nThe previous workbook is kept as " +
                device_workbook::backupPath(path).filename().string();
    }
    if (!report.addedColumns.empty()) {
        text += "\nColumns added: " + joined(report.addedColumns);
    }
    if (emptied > 0) {
        text += "\n" + std::to_string(emptied) +
                (emptied == 1 ? " cell held a formula or an error value and was"
                              : " cells held a formula or an error value and were") +
                " written empty";
    }
    return text;
}

WorkbookOutcome failed(Prompter& prompter, const std::string& cause) {
    prompter.inform(std::string(device_workbook::kCannotOpen) + "\n" + cause, kProgramName);
    return {};
}

} // namespace

fs::path device_workbook::backupPath(const fs::path& workbook) {
    fs::path name = workbook.stem();
    name += ".bak";
    name += workbook.extension();
    return workbook.parent_path() / name;
}

WorkbookOutcome exportDevices(const ConfigStore& store, const fs::path& given, Prompter& prompter,
                              const BoardProgress& progress) {
    const std::string fileName = given.filename().string();
    // A link to the workbook stays a link: the file it leads to is the one replaced.
    fs::path path = given;
    std::error_code linkError;
    if (fs::is_symlink(given, linkError)) {
        path = fs::canonical(given, linkError);
        if (linkError) {
            return failed(prompter, fileName + ": the link leads to no file");
        }
    }
    ExportReport report;
    Workbook workbook;
    Result<FileStart> original = readFileStart(path, kLargestWorkbook);
    if (!original && original.error().cause == Cause::Missing) {
        report.created = true;
    } else if (!original) {
        return failed(prompter, original.error().text);
    } else if (original->size > kLargestWorkbook) {
        return failed(prompter, fileName + ": the file is too large for a workbook");
    } else {
        Result<Workbook> read = readWorkbook(original->bytes);
        if (!read) {
            return failed(prompter, fileName + ": " + read.error().text);
        }
        workbook = std::move(*read);
    }

    for (int board = 1; board <= device_workbook::kBoards; ++board) {
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            const std::string name = device_workbook::sheetName(board, loop);
            Sheet* sheet = findSheet(workbook, name);
            if (!sheet) {
                workbook.sheets.push_back(newDeviceSheet(name));
                sheet = &workbook.sheets.back();
                report.addedSheets.push_back(name);
            } else if (sheet->cells.empty()) {
                *sheet = newDeviceSheet(sheet->name);
                report.filledSheets.push_back(sheet->name);
            }
            Result<Layout> layout = completeLayout(*sheet, report);
            if (!layout) {
                return failed(prompter, fileName + ", " + layout.error().text);
            }
            if (std::optional<std::string> stop =
                    updateRows(*sheet, *layout, store.devices(board).working, loop, fileName)) {
                return failed(prompter, *stop);
            }
        }
        if (progress) {
            progress(board);
        }
    }

    Result<std::vector<std::uint8_t>> bytes = writeWorkbook(workbook);
    if (!bytes) {
        return failed(prompter, fileName + ": " + bytes.error().text);
    }
    if (!report.created) {
        // Formats and formulas do not survive the rewrite: the file as it was stays beside it.
        if (Result<void> kept = writeFile(device_workbook::backupPath(path), original->bytes);
            !kept) {
            return failed(prompter, kept.error().text);
        }
    }
    if (Result<void> written = writeFile(path, *bytes); !written) {
        return failed(prompter, written.error().text);
    }
    prompter.inform(closingMessage(report, path, countUnreadable(workbook)), kProgramName);
    return {true};
}

} // namespace qb
