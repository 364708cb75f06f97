// Our workbooks checked against a real spreadsheet program: what LibreOffice Calc shows of a
// workbook we write, and what we read of a workbook LibreOffice wrote.
#include "excel/DeviceWorkbook.h"
#include "excel/WorkbookReader.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/Soffice.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace qb {
namespace {

using device_workbook::kBoards;
using device_workbook::sheetName;

const char* const kHeader[] = {"Addr", "Reg",        "Equipment", "ProductionType",
                               "Zone", "OutputMode", "WorkModes", "Position"};

// Every device of boards 1..40 with values across the ranges the exchange carries, including
// the zone byte 255 (shown as 256), and positions that need quoting or are not ASCII.
std::unique_ptr<ConfigStore> variedStore(const test::TempDir& folder) {
    auto store = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()));
    for (int board = 1; board <= kBoards; ++board) {
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            for (int address = 1; address <= kAddressesPerLoop; ++address) {
                DeviceRecord& device = store->devices(board).working.device(loop, address);
                const int n = board * 1000 + loop * 400 + address;
                device.registration = static_cast<std::uint8_t>(n % 2);
                device.equipType = static_cast<std::uint8_t>(1 + n % 106);
                device.productType = static_cast<std::uint8_t>(1 + n % 99);
                device.zone = static_cast<std::uint8_t>(n % 33 == 32 ? 255 : n % 33);
                device.outputMode = static_cast<std::uint8_t>(n % 2);
                device.workMode = static_cast<std::uint8_t>(n % 3);
                const std::string tail = std::to_string(address);
                const std::string positions[] = {" ", "Küche Süd 北京 " + tail, "O'Brien " + tail,
                                                 "say \"hi\", ok " + tail};
                device.position.assign(fromUtf8(positions[n % 4]));
            }
        }
    }
    return store;
}

// A device's row as a spreadsheet shows it, in header order.
std::vector<std::string> shownRow(const DeviceRecord& device) {
    const std::u16string position(device.position.view());
    return {std::to_string(device.address),   std::to_string(device.registration),
            std::to_string(device.equipType), std::to_string(device.productType),
            std::to_string(device.zone + 1),  std::to_string(device.outputMode),
            std::to_string(device.workMode),  position.empty() ? " " : toUtf8(position)};
}

void exportTo(const ConfigStore& store, const std::filesystem::path& path) {
    test::FakePrompter prompter;
    ASSERT_TRUE(exportDevices(store, path, prompter).succeeded)
        << testing::PrintToString(prompter.texts());
}

// The columns of a shown sheet in header order, wherever they stand.
std::vector<std::size_t> headerColumns(const test::CsvRows& rows) {
    std::vector<std::size_t> columns;
    for (const char* name : kHeader) {
        const auto it = std::find(rows.at(0).begin(), rows.at(0).end(), name);
        columns.push_back(static_cast<std::size_t>(it - rows.at(0).begin()));
    }
    return columns;
}

TEST(LibreOfficeCheck, EveryExportedValueShowsInLibreOfficeOnAllSheets) {
    test::TempDir folder;
    const auto store = variedStore(folder);
    ASSERT_NO_FATAL_FAILURE(exportTo(*store, folder / "devices.xls"));

    Result<std::map<std::string, test::CsvRows>> shown =
        test::sheetsThroughLibreOffice(folder / "devices.xls");
    ASSERT_TRUE(shown) << shown.error().text;
    ASSERT_EQ(shown->size(), 80u);
    for (int board = 1; board <= kBoards; ++board) {
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            const std::string name = sheetName(board, loop);
            ASSERT_TRUE(shown->contains(name)) << name;
            const test::CsvRows& rows = shown->at(name);
            ASSERT_EQ(rows.size(), 325u) << name;
            const std::vector<std::size_t> columns = headerColumns(rows);
            for (int address = 1; address <= kAddressesPerLoop; ++address) {
                const auto expected = shownRow(store->devices(board).working.device(loop, address));
                const auto& row = rows[static_cast<std::size_t>(address)];
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    ASSERT_LT(columns[i], row.size()) << name << " " << kHeader[i];
                    EXPECT_EQ(row[columns[i]], expected[i])
                        << name << " row " << address << " " << kHeader[i];
                }
            }
        }
    }
}

// Numbers by value: LibreOffice chooses between RK and NUMBER records itself.
bool sameValue(const CellValue& a, const CellValue& b) {
    const auto number = [](const CellValue& v) -> std::optional<double> {
        if (const auto* i = std::get_if<std::int32_t>(&v)) {
            return *i;
        }
        if (const auto* d = std::get_if<double>(&v)) {
            return *d;
        }
        return std::nullopt;
    };
    if (number(a) && number(b)) {
        return *number(a) == *number(b);
    }
    return a == b;
}

TEST(LibreOfficeCheck, AWorkbookLibreOfficeSavedReadsBackToTheValuesItHolds) {
    test::TempDir folder;
    const auto store = variedStore(folder);
    ASSERT_NO_FATAL_FAILURE(exportTo(*store, folder / "ours.xls"));
    ASSERT_TRUE(test::resaveThroughLibreOffice(folder / "ours.xls", folder / "devices.xls"));

    Result<Workbook> ours = readWorkbookFile(folder / "ours.xls");
    Result<Workbook> theirs = readWorkbookFile(folder / "devices.xls");
    ASSERT_TRUE(ours) << ours.error().text;
    ASSERT_TRUE(theirs) << theirs.error().text;
    ASSERT_EQ(ours->sheets.size(), 80u);
    ASSERT_EQ(theirs->sheets.size(), ours->sheets.size());
    for (std::size_t s = 0; s < ours->sheets.size(); ++s) {
        const Sheet& expected = ours->sheets[s];
        const Sheet& read = theirs->sheets[s];
        ASSERT_EQ(read.name, expected.name);
        ASSERT_EQ(read.cells.size(), expected.cells.size()) << read.name;
        for (const auto& [at, value] : expected.cells) {
            const CellValue* got = read.find(at.row, at.column);
            ASSERT_NE(got, nullptr) << read.name << " " << at.row << "," << at.column;
            EXPECT_TRUE(sameValue(*got, value)) << read.name << " " << at.row << "," << at.column;
        }
    }

    // The whole way back: every device record of the import equals the one exported.
    test::TempDir other;
    auto imported = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, other.path()));
    test::FakePrompter prompter;
    ASSERT_TRUE(importDevices(*imported, folder / "devices.xls", prompter).succeeded)
        << testing::PrintToString(prompter.texts());
    for (int board = 1; board <= kBoards; ++board) {
        const auto& want = store->devices(board).working.records;
        const auto& got = imported->devices(board).working.records;
        const auto differs = std::mismatch(want.begin(), want.end(), got.begin());
        EXPECT_EQ(differs.first, want.end())
            << "board " << board << " record " << (differs.first - want.begin());
    }
}

} // namespace
} // namespace qb
