#include "DeviceSheet.h"
#include "DeviceWorkbook.h"
#include "WorkbookReader.h"
#include "WorkbookWriter.h"
#include "base/Prompter.h"
#include "files/FileIo.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"

#include <map>
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
// WHERE Addr=<address> would; a record with no row adds none.
void updateRows(Sheet& sheet, const Layout& layout, const BoardDevices& board, int loop) {
    std::multimap<std::int64_t, std::uint32_t> rowsByAddress;
    for (std::uint32_t row : dataRows(sheet, layout.headerRow)) {
        if (auto address = numberOf(sheet.find(row, *layout.columns[kAddr]))) {
            rowsByAddress.emplace(*address, row);
        }
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

std::string closingMessage(const ExportReport& report, std::size_t emptied) {
    std::string text = device_workbook::kExported;
    if (report.created) {
        text += "\n" + std::string(device_workbook::kFileName) +
                " did not exist: it was created with all " +
                std::to_string(report.addedSheets.size()) + " sheets";
    } else {
        if (!report.addedSheets.empty()) {
            text += "\nSheets added: " + joined(report.addedSheets);
        }
        text += "\nThe previous workbook is kept as " + std::string(device_workbook::kBackupName);
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

WorkbookOutcome exportDevices(const ConfigStore& store, const fs::path& path, Prompter& prompter,
                              const BoardProgress& progress) {
    const std::string fileName = path.filename().string();
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
            }
            Result<Layout> layout = completeLayout(*sheet, report);
            if (!layout) {
                return failed(prompter, fileName + ", " + layout.error().text);
            }
            updateRows(*sheet, *layout, store.devices(board).working, loop);
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
        if (Result<void> kept =
                writeFile(path.parent_path() / device_workbook::kBackupName, original->bytes);
            !kept) {
            return failed(prompter, kept.error().text);
        }
    }
    if (Result<void> written = writeFile(path, *bytes); !written) {
        return failed(prompter, written.error().text);
    }
    prompter.inform(closingMessage(report, countUnreadable(workbook)), kProgramName);
    return {true};
}

} // namespace qb
