#include "excel/WorkbookReader.h"
#include "excel/WorkbookWriter.h"
#include "files/FileIo.h"
#include "support/FreeXlOracle.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// The device workbook's shape: a sheet per board and loop, a header row, 324 address rows.
Workbook deviceWorkbook() {
    static const char* const kHeader[] = {"Addr", "Reg",        "Equipment", "ProductionType",
                                          "Zone", "OutputMode", "WorkModes", "Position"};
    Workbook workbook;
    for (int board = 1; board <= 40; ++board) {
        for (int loop = 1; loop <= 2; ++loop) {
            Sheet sheet{"IO" + std::to_string(board) + "_" + std::to_string(loop), {}};
            for (std::uint16_t column = 0; column < 8; ++column) {
                sheet.set(0, column, std::string(kHeader[column]));
            }
            for (std::int32_t row = 1; row <= 324; ++row) {
                sheet.set(row, 0, row);
                sheet.set(row, 1, row % 2);
                sheet.set(row, 2, 2.0 + row % 7); // whole, but a double: must stay one
                sheet.set(row, 3, std::string(row % 3 ? "OptDet" : "HeatDet"));
                sheet.set(row, 4, -row * board);
                sheet.set(row, 5, std::string("Pulse"));
                sheet.set(row, 6, 0.25 * row);
                sheet.set(row, 7, "Treppenhaus Süd 東 " + std::to_string(board * 1000 + row));
            }
            workbook.sheets.push_back(std::move(sheet));
        }
    }
    // Longer than one SST record holds: one in UTF-16, one in 8-bit characters.
    Sheet& first = workbook.sheets.front();
    std::string wide;
    for (int i = 0; i < 5000; ++i) {
        wide += i % 2 ? "é" : "東";
    }
    first.set(1, 3, wide);
    first.set(2, 3, std::string(9000, 'x') + "é");
    return workbook;
}

void expectSameSheets(const Workbook& read, const Workbook& written) {
    ASSERT_EQ(read.sheets.size(), written.sheets.size());
    for (std::size_t i = 0; i < written.sheets.size(); ++i) {
        EXPECT_EQ(read.sheets[i].name, written.sheets[i].name);
        EXPECT_TRUE(read.sheets[i].cells == written.sheets[i].cells) << written.sheets[i].name;
    }
}

// FreeXL stands for the other readers: what we write must mean the same to them as to us.
TEST(WorkbookRoundTrip, EveryValueOfTheFullWorkbookReadsBackAlikeThroughOursAndFreeXL) {
    const Workbook written = deviceWorkbook();
    Result<std::vector<std::uint8_t>> bytes = writeWorkbook(written);
    ASSERT_TRUE(bytes) << bytes.error().text;
    test::TempDir dir;
    ASSERT_TRUE(writeFile(dir / "devices.xls", *bytes));

    Result<Workbook> ours = readWorkbookFile(dir / "devices.xls");
    ASSERT_TRUE(ours) << ours.error().text;
    expectSameSheets(*ours, written);
    Result<Workbook> freexl = test::readThroughFreeXl(dir / "devices.xls");
    ASSERT_TRUE(freexl) << freexl.error().text;
    expectSameSheets(*freexl, written);
}

TEST(WorkbookRoundTrip, SparseCellsAndAnEmptySheetKeepTheirPlaces) {
    Workbook written;
    written.sheets.push_back(Sheet{"Empty", {}});
    Sheet sparse{"Sparse", {}};
    sparse.set(7, 3, std::string("far"));
    sparse.set(300, 200, 1.5);
    sparse.set(65535, 255, std::int32_t{-(1 << 29)});
    written.sheets.push_back(sparse);

    Result<Workbook> read = readWorkbook(writeWorkbook(written).value());
    ASSERT_TRUE(read) << read.error().text;
    expectSameSheets(*read, written);
}

TEST(WorkbookWriter, RefusesSheetNamesNoSpreadsheetAccepts) {
    for (const char* name :
         {"", "1234567890123456789012345678901x", "a[", "a]", "a:", "a*", "a?", "a/", "a\\"}) {
        Workbook workbook{{Sheet{name, {}}}};
        EXPECT_FALSE(writeWorkbook(workbook)) << name;
    }
    EXPECT_TRUE(writeWorkbook(Workbook{{Sheet{"123456789012345678901234567890Ü", {}}}}));
    Result<std::vector<std::uint8_t>> twice =
        writeWorkbook(Workbook{{Sheet{"IO1_1", {}}, Sheet{"io1_1", {}}}});
    ASSERT_FALSE(twice);
    EXPECT_EQ(twice.error().text, "Sheet name used twice: io1_1");
}

TEST(WorkbookWriter, RefusesCellsTheFormatCannotHold) {
    Sheet sheet{"S", {}};
    sheet.set(65536, 0, 1);
    Result<std::vector<std::uint8_t>> pastLastRow = writeWorkbook(Workbook{{sheet}});
    ASSERT_FALSE(pastLastRow);
    EXPECT_EQ(pastLastRow.error().text, "Cell outside the worksheet: sheet S, row 65537, column 1");

    Sheet longText{"S", {}};
    longText.set(0, 0, std::string(32768, 'a'));
    EXPECT_FALSE(writeWorkbook(Workbook{{longText}}));
    Sheet badText{"S", {}};
    badText.set(0, 0, std::string("\xC3"));
    EXPECT_FALSE(writeWorkbook(Workbook{{badText}}));
}

} // namespace
} // namespace qb
