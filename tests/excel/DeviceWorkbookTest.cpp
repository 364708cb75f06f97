#include "excel/DeviceWorkbook.h"
#include "excel/CompoundFile.h"
#include "excel/WorkbookReader.h"
#include "excel/WorkbookWriter.h"
#include "files/FileIo.h"
#include "store/ConfigStore.h"
#include "support/BiffBuilder.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using namespace device_workbook;
using test::FakePrompter;
using test::TempDir;

const std::vector<std::string> kHeader = {"Addr", "Reg",        "Equipment", "ProductionType",
                                          "Zone", "OutputMode", "WorkModes", "Position"};

// A device sheet as an installer might keep it: the header, then the rows given, each
// Addr, Reg, Equipment, ProductionType, Zone, OutputMode, WorkModes, Position.
Sheet deviceSheet(const std::string& name, const std::vector<std::vector<CellValue>>& rows) {
    Sheet sheet{name, {}};
    for (std::uint16_t c = 0; c < kHeader.size(); ++c) {
        sheet.set(0, c, kHeader[c]);
    }
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
        for (std::uint16_t c = 0; c < rows[r].size(); ++c) {
            sheet.set(r + 1, c, rows[r][c]);
        }
    }
    return sheet;
}

// Every device sheet, with no rows; `filled` replaces some.
Workbook emptyDeviceWorkbook(std::vector<Sheet> filled = {}) {
    Workbook workbook;
    for (int board = 1; board <= kBoards; ++board) {
        for (int loop = 1; loop <= 2; ++loop) {
            workbook.sheets.push_back(deviceSheet(sheetName(board, loop), {}));
        }
    }
    for (Sheet& sheet : filled) {
        for (Sheet& target : workbook.sheets) {
            if (target.name == sheet.name) {
                target = std::move(sheet);
            }
        }
    }
    return workbook;
}

class DeviceWorkbookTest : public ::testing::Test {
protected:
    DeviceWorkbookTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo12, program.path()))) {}

    std::filesystem::path workbookPath() const { return program.path() / kFileName; }
    void writeWorkbookFile(const Workbook& workbook) {
        ASSERT_TRUE(writeFile(workbookPath(), *writeWorkbook(workbook)));
    }
    DeviceRecord& device(int board, int loop, int address) {
        return store->devices(board).working.device(loop, address);
    }
    Workbook readBack() {
        Result<Workbook> workbook = readWorkbookFile(workbookPath());
        EXPECT_TRUE(workbook) << workbook.error().text;
        return workbook ? *workbook : Workbook{};
    }

    TempDir program;
    std::unique_ptr<ConfigStore> store;
    FakePrompter prompter;
};

TEST_F(DeviceWorkbookTest, ExportCreatesTheWholeWorkbookThatImportsBackUnchanged) {
    for (int board = 1; board <= kBoards; ++board) {
        for (DeviceRecord& record : store->devices(board).working.records) {
            record.position.assign(u"P" + std::u16string(1, char16_t(u'a' + board % 26)));
            record.workMode = static_cast<std::uint8_t>(record.address % 3);
        }
    }
    DeviceRecord& smoke = device(1, 1, 1);
    smoke.registration = 1;
    smoke.zone = 255; // no zone: goes out as 256
    smoke.position.assign(u"Küche 'Süd' \"A\"");
    device(40, 2, 324).zone = 31;    // zone 32, beyond the old limit of 20
    device(7, 1, 9).equipType = 104; // a feedback type of the device type table
    device(7, 1, 10).position.assign(u"");
    std::vector<int> boards;

    ASSERT_TRUE(exportDevices(*store, workbookPath(), prompter, [&](int board) {
                    boards.push_back(board);
                }).succeeded);

    EXPECT_EQ(boards.size(), 40u);
    EXPECT_EQ(boards.back(), 40);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.texts()[0].rfind(std::string(kExported) + "\n", 0), 0u);
    EXPECT_NE(prompter.texts()[0].find("created with all 80 sheets"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(backupPath(workbookPath())));
    const Workbook written = readBack();
    ASSERT_EQ(written.sheets.size(), 80u);
    const Sheet& first = written.sheets.front();
    EXPECT_EQ(first.name, "IO1_1");
    EXPECT_EQ(*first.find(1, 4), CellValue{256});
    EXPECT_EQ(*first.find(1, 7), CellValue{std::string("Küche 'Süd' \"A\"")});
    EXPECT_EQ(*written.find("IO7_1")->find(10, 7), CellValue{std::string(" ")});
    EXPECT_EQ(*written.find("IO40_2")->find(324, 0), CellValue{324});

    // Back into a fresh store: every record as it was, bar the empty position's blank.
    auto fresh = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo12, program.path()));
    ASSERT_TRUE(importDevices(*fresh, workbookPath(), prompter).succeeded);
    EXPECT_EQ(prompter.texts().back(), kImported);
    device(7, 1, 10).position.assign(u" ");
    for (int board = 1; board <= kBoards; ++board) {
        EXPECT_EQ(fresh->devices(board).working.records, store->devices(board).working.records)
            << "board " << board;
    }
}

TEST_F(DeviceWorkbookTest, ExportUpdatesMatchingRowsAndKeepsEverythingElse) {
    Sheet io11 = deviceSheet("IO1_1", {{5, 0, 2, 2, 1, 1, 0, "old"},
                                       {std::string("2"), 0, 2, 2, 1, 1, 0, "text addr"},
                                       {400, 1, 1, 1, 1, 1, 1, "no such address"}});
    io11.set(0, 9, std::string("Remark"));
    io11.set(1, 9, std::string("checked"));
    Workbook workbook = emptyDeviceWorkbook({io11, Sheet{"IO2_1", {}}});
    workbook.sheets.erase(workbook.sheets.begin() + 5); // IO3_2
    workbook.sheets.push_back(Sheet{"Notes", {{{0, 0}, std::string("keep me")}}});
    // The installer's file is site.xls; devices.xls only leads to it.
    const std::filesystem::path site = program.path() / "site.xls";
    ASSERT_TRUE(writeFile(site, *writeWorkbook(workbook)));
    std::filesystem::create_symlink("site.xls", workbookPath());
    const auto before = readFile(site, 1 << 24);
    device(1, 1, 5).zone = 3;
    device(1, 1, 2).position.assign(u"Stair 2");

    ASSERT_TRUE(exportDevices(*store, workbookPath(), prompter).succeeded);

    EXPECT_TRUE(std::filesystem::is_symlink(workbookPath()));
    EXPECT_EQ(readFile(program.path() / "site.bak.xls", 1 << 24)->size(), before->size());
    const Workbook written = readBack();
    const Sheet& sheet = *written.find("IO1_1");
    EXPECT_EQ(*sheet.find(1, 4), CellValue{4});
    EXPECT_EQ(*sheet.find(2, 7), CellValue{std::string("Stair 2")});
    EXPECT_EQ(*sheet.find(3, 7), CellValue{std::string("no such address")});
    EXPECT_EQ(*sheet.find(1, 9), CellValue{std::string("checked")});
    EXPECT_EQ(sheet.find(3, 9), nullptr);               // the formula went out empty
    EXPECT_EQ(sheet.find(4, 0), nullptr);               // no row added for address 3
    EXPECT_EQ(written.find("IO1_2")->cells.size(), 8u); // header only: nothing matched
    EXPECT_EQ(*written.find("Notes")->find(0, 0), CellValue{std::string("keep me")});
    EXPECT_EQ(written.find("IO3_2")->find(324, 0)->index(), 1u); // added whole
    EXPECT_EQ(written.find("IO2_1")->find(324, 0)->index(), 1u); // filled whole
    const std::string message = prompter.texts().at(0);
    EXPECT_NE(message.find("\nSheets added: IO3_2\nEmpty sheets filled: IO2_1\nThe previous "
                           "workbook is kept as site.bak.xls"),
              std::string::npos)
        << message;
}

TEST_F(DeviceWorkbookTest, ExportWritesFormulasEmptyAndCountsThem) {
    using namespace test::biff_build;
    SheetPart io11{"IO1_1", {}};
    for (std::uint16_t c = 0; c < kHeader.size(); ++c) {
        label(io11.records, 0, c, std::u16string(kHeader[c].begin(), kHeader[c].end()));
    }
    label(io11.records, 1, 0, u"1");
    formula(io11.records, 1, 4); // Zone: the export's value replaces it
    formula(io11.records, 1, 9); // beside the table: nothing replaces it
    formula(io11.records, 2, 9);
    ASSERT_TRUE(writeFile(workbookPath(), buildCompoundFile(stream({}, {io11}))));

    ASSERT_TRUE(exportDevices(*store, workbookPath(), prompter).succeeded);

    const Workbook written = readBack();
    const Sheet& sheet = written.sheets.at(0);
    EXPECT_EQ(*sheet.find(1, 4), CellValue{1});
    EXPECT_EQ(sheet.find(1, 9), nullptr);
    EXPECT_NE(prompter.texts().at(0).find("\n2 cells held a formula or an error value and were "
                                          "written empty"),
              std::string::npos)
        << prompter.texts().at(0);
}

// A workbook that cannot be read, or an Addr the export could not match a record to, leaves the
// file as it is and says where.
TEST_F(DeviceWorkbookTest, ExportLeavesAWorkbookItCannotReadAsItIs) {
    using namespace test::biff_build;
    SheetPart io11{"IO1_1", {}};
    for (std::uint16_t c = 0; c < kHeader.size(); ++c) {
        label(io11.records, 0, c, std::u16string(kHeader[c].begin(), kHeader[c].end()));
    }
    label(io11.records, 1, 0, u"1");
    formula(io11.records, 2, 0);
    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        {std::vector<std::uint8_t>(3000, 0x41), "devices.xls: "},
        {buildCompoundFile(stream({}, {io11})),
         "devices.xls, sheet IO1_1, column Addr, row 3: the cell holds a formula or an error "
         "value, not a value"},
    };
    for (const auto& [bytes, cause] : cases) {
        ASSERT_TRUE(writeFile(workbookPath(), bytes));
        prompter.messages.clear();

        EXPECT_FALSE(exportDevices(*store, workbookPath(), prompter).succeeded);

        EXPECT_EQ(*readFile(workbookPath(), 1 << 20), bytes);
        EXPECT_FALSE(std::filesystem::exists(backupPath(workbookPath())));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.texts()[0].rfind(std::string(kCannotOpen) + "\n" + cause, 0), 0u)
            << prompter.texts()[0];
    }
}

TEST_F(DeviceWorkbookTest, ImportTakesRowsInAddressOrderAndAppliesTheRanges) {
    const std::string longText(45, 'x');
    const Workbook workbook = emptyDeviceWorkbook({deviceSheet(
        "IO2_1", {{3, 1, 0, 100, 21, 5, 3, longText}, // out of range: 2, 2, kept 21, 1, 0
                  {std::string(" 7"), 2, 106, 12, 0, 0, 2, 1.5}, // Reg 2 -> 0; Zone 0 -> 255
                  {3, 1, 107, 7, 33, 1, 1, std::string("later row wins")},
                  {65537, 1, 2, 2, 257, 0, 0, std::string("low 16 bits: address 1")}})});

    ASSERT_TRUE(importDevices(*store, workbook, kFileName, prompter).succeeded);

    const DeviceRecord& three = device(2, 1, 3);
    EXPECT_EQ(three.position.view(), u"later row wins");
    EXPECT_EQ(three.equipType, 2);
    EXPECT_EQ(three.zone, 0); // 33 is no zone
    const DeviceRecord& seven = device(2, 1, 7);
    EXPECT_EQ(seven.registration, 0);
    EXPECT_EQ(seven.equipType, 106);
    EXPECT_EQ(seven.zone, 255);
    EXPECT_EQ(seven.workMode, 2);
    EXPECT_EQ(seven.position.view(), u"1.5");
    EXPECT_EQ(device(2, 1, 1).zone, 0); // 257 counts as its low byte, 1
    EXPECT_EQ(device(2, 1, 1).position.view(), u"low 16 bits: address 1");

    const Workbook first =
        emptyDeviceWorkbook({deviceSheet("IO2_1", {{3, 1, 0, 100, 21, 5, 3, longText}})});
    ASSERT_TRUE(importDevices(*store, first, kFileName, prompter).succeeded);
    EXPECT_EQ(three.productType, 2);
    EXPECT_EQ(three.zone, 20);
    EXPECT_EQ(three.outputMode, 1);
    EXPECT_EQ(three.workMode, 0);
    EXPECT_EQ(three.position.view(), std::u16string(29, u'x'));
}

TEST_F(DeviceWorkbookTest, ImportStopsAtABadAddressWithEarlierBoardsKept) {
    device(3, 1, 1).zone = 9; // restored when board 3 fails
    const Workbook workbook =
        emptyDeviceWorkbook({deviceSheet("IO1_1", {{1, 1, 2, 2, 5, 1, 0, std::string("one")}}),
                             deviceSheet("IO3_1", {{1, 1, 2, 2, 6, 1, 0, std::string("three")}}),
                             deviceSheet("IO3_2", {{2, 1, 2, 2, 6, 1, 0, std::string("x")},
                                                   {0, 1, 2, 2, 6, 1, 0, std::string("bad")}})});

    EXPECT_FALSE(importDevices(*store, workbook, kFileName, prompter).succeeded);

    EXPECT_EQ(device(1, 1, 1).zone, 4);
    EXPECT_EQ(device(3, 1, 1).zone, 9);
    EXPECT_EQ(device(3, 2, 2).position.view(), u"");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.texts()[0],
              std::string(kBadAddress) + "\ndevices.xls, sheet IO3_2, row 3: Addr 0");
}

TEST_F(DeviceWorkbookTest, ImportNamesWhatItCannotReadAndKeepsWhatCameBefore) {
    Sheet io11 = deviceSheet("IO1_1", {{1, 1, 2, 2, 5, 1, 0, std::string("read")},
                                       {2, 1, 2, 2, UnreadableCell{}, 1, 0, std::string("x")}});
    Sheet io21 = deviceSheet("IO2_1", {});
    io21.cells.erase(CellPosition{0, 4}); // no Zone column
    const struct {
        Workbook workbook;
        std::string second;
    } cases[] = {
        {emptyDeviceWorkbook({io11}),
         "devices.xls, sheet IO1_1, column Zone, row 3: the cell holds a formula or an error "
         "value, not a value"},
        {emptyDeviceWorkbook({io21}), "devices.xls, sheet IO2_1: no column \"Zone\""},
        {Workbook{{deviceSheet("IO1_1", {})}}, "devices.xls: no sheet IO1_2"},
    };
    for (const auto& c : cases) {
        prompter.messages.clear();
        device(1, 1, 2).zone = 7;
        EXPECT_FALSE(importDevices(*store, c.workbook, kFileName, prompter).succeeded);
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{std::string(kCannotOpen) + "\n" + c.second});
        EXPECT_EQ(device(1, 1, 2).zone, 7) << "an unreadable cell is never read as 0";
    }
    EXPECT_EQ(device(1, 1, 1).position.view(), u"read");

    // A file that cannot be read at all changes nothing.
    device(1, 1, 1).position.assign(u"kept");
    prompter.messages.clear();
    EXPECT_FALSE(importDevices(*store, program.path() / "missing.xls", prompter).succeeded);
    EXPECT_EQ(device(1, 1, 1).position.view(), u"kept");
    EXPECT_EQ(prompter.texts().at(0).rfind(std::string(kCannotOpen) + "\n", 0), 0u);
}

} // namespace
} // namespace qb
