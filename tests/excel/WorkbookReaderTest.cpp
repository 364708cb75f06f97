#include "excel/WorkbookReader.h"
#include "excel/BiffRecord.h"
#include "excel/CompoundFile.h"
#include "excel/WorkbookWriter.h"
#include "files/FileIo.h"
#include "support/BiffBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <sys/stat.h>

namespace qb {
namespace {

namespace fs = std::filesystem;

using namespace test::biff_build;

Result<Workbook> read(const std::vector<std::uint8_t>& stream) {
    return readWorkbook(buildCompoundFile(stream));
}

Sheet readOneSheet(const ByteSink& globals, SheetPart sheet) {
    std::vector<SheetPart> sheets;
    sheets.push_back(std::move(sheet));
    Result<Workbook> workbook = read(stream(globals, sheets));
    EXPECT_TRUE(workbook) << workbook.error().text;
    return workbook && workbook->sheets.size() == 1 ? workbook->sheets[0] : Sheet{};
}

CellValue at(const Sheet& sheet, std::uint16_t row, std::uint16_t column) {
    const CellValue* value = sheet.find(row, column);
    return value ? *value : CellValue{std::string("<no cell>")};
}

TEST(WorkbookReader, NumbersKeepWholeAndFractionalApartAsTheRecordsDo) {
    SheetPart sheet{"S", {}};
    auto rk = [&](std::uint16_t column, std::uint32_t value) {
        ByteSink body = cell(0, column);
        body.u32(value);
        sheet.records.record(0x027E, body.bytes());
    };
    rk(0, (static_cast<std::uint32_t>(-7) << 2) | 0x2);
    rk(1, (1234u << 2) | 0x3); // whole number in hundredths
    rk(2, 0x3FF80000);         // the upper half of the double 1.5
    rk(3, 0x40590000 | 0x1);   // 100.0 in hundredths
    ByteSink number = cell(0, 4);
    number.u64(std::bit_cast<std::uint64_t>(3.0)); // whole, but stored as a double
    sheet.records.record(0x0203, number.bytes());
    ByteSink mulRk;
    mulRk.u16(1);
    mulRk.u16(2);
    for (std::uint32_t v : {5u, 6u}) {
        mulRk.u16(15);
        mulRk.u32((v << 2) | 0x2);
    }
    mulRk.u16(3);
    sheet.records.record(0x00BD, mulRk.bytes());
    for (std::uint8_t value : {0, 1}) {
        ByteSink boolean = cell(2, value);
        boolean.u8(value);
        boolean.u8(0);
        sheet.records.record(0x0205, boolean.bytes());
    }

    const Sheet read = readOneSheet({}, std::move(sheet));
    EXPECT_EQ(at(read, 0, 0), CellValue{std::int32_t{-7}});
    EXPECT_EQ(at(read, 0, 1), CellValue{12.34});
    EXPECT_EQ(at(read, 0, 2), CellValue{1.5});
    EXPECT_EQ(at(read, 0, 3), CellValue{1.0});
    EXPECT_EQ(at(read, 0, 4), CellValue{3.0});
    EXPECT_EQ(at(read, 1, 2), CellValue{std::int32_t{5}});
    EXPECT_EQ(at(read, 1, 3), CellValue{std::int32_t{6}});
    EXPECT_EQ(at(read, 2, 0), CellValue{std::int32_t{0}});
    EXPECT_EQ(at(read, 2, 1), CellValue{std::int32_t{1}});
    EXPECT_EQ(read.cells.size(), 9u);
}

TEST(WorkbookReader, FormulasErrorValuesAndMissingSharedStringsAreUnreadableNotNumbers) {
    ByteSink sst;
    sst.u32(1);
    sst.u32(1);
    text(sst, u"only", false);
    ByteSink globals;
    globals.record(0x00FC, sst.bytes());

    SheetPart sheet{"S", {}};
    formula(sheet.records, 0, 0);
    ByteSink error = cell(0, 1);
    error.u8(0x07); // #DIV/0!
    error.u8(1);
    sheet.records.record(0x0205, error.bytes());
    for (std::uint16_t index : {0, 1}) {
        ByteSink label = cell(1, index);
        label.u32(index);
        sheet.records.record(0x00FD, label.bytes());
    }

    const Sheet read = readOneSheet(globals, std::move(sheet));
    EXPECT_EQ(at(read, 0, 0), CellValue{UnreadableCell{}});
    EXPECT_EQ(at(read, 0, 1), CellValue{UnreadableCell{}});
    EXPECT_EQ(at(read, 1, 0), CellValue{std::string("only")});
    EXPECT_EQ(at(read, 1, 1), CellValue{UnreadableCell{}});
}

TEST(WorkbookReader, InlineAndRichTextsAreRead) {
    SheetPart sheet{"S", {}};
    ByteSink label = cell(0, 0);
    text(label, u"S\u00FCd", false);
    sheet.records.record(0x0204, label.bytes());
    ByteSink rich = cell(0, 1);
    text(rich, u"\u6771\U0001F525", true);
    rich.u16(1); // one formatting run
    rich.u32(0);
    sheet.records.record(0x00D6, rich.bytes());

    const Sheet read = readOneSheet({}, std::move(sheet));
    EXPECT_EQ(at(read, 0, 0), CellValue{std::string("S\u00FCd")});
    EXPECT_EQ(at(read, 0, 1), CellValue{std::string("\u6771\U0001F525")});
}

TEST(WorkbookReader, SharedStringsSkipRunsAndPhoneticDataThatGoOnIntoContinueRecords) {
    // Claims four billion strings and holds three: read without reserving room for the claim.
    ByteSink sst;
    sst.u32(3);
    sst.u32(0xFFFFFFFF);
    sst.u16(5);   // "abc\u00E9\u6771": "abc" here, the rest in the CONTINUE, in UTF-16
    sst.u8(0x08); // rich: the run count follows the header
    sst.u16(2);
    sst.append(test::bytesOf("abc"));
    ByteSink first;
    first.u8(1);
    first.u16(u'\u00E9');
    first.u16(u'\u6771');
    first.u32(0x11111111); // the runs, the second one cut by the record's end
    first.u16(0x2222);
    ByteSink second;
    second.u16(0x2222);
    second.u16(2); // "hi" with 5 bytes of phonetic data, 3 of them in the next CONTINUE
    second.u8(0x04);
    second.u32(5);
    second.append(test::bytesOf("hi\x01\x02"));
    ByteSink third;
    third.append(test::bytesOf("\x03\x04\x05"));
    text(third, u"z", false);

    ByteSink globals;
    globals.record(0x00FC, sst.bytes());
    globals.record(0x003C, first.bytes());
    globals.record(0x003C, second.bytes());
    globals.record(0x003C, third.bytes());

    SheetPart sheet{"S", {}};
    for (std::uint16_t index = 0; index < 4; ++index) {
        ByteSink label = cell(0, index);
        label.u32(index);
        sheet.records.record(0x00FD, label.bytes());
    }
    const Sheet read = readOneSheet(globals, std::move(sheet));
    EXPECT_EQ(at(read, 0, 0), CellValue{std::string("abc\u00E9\u6771")});
    EXPECT_EQ(at(read, 0, 1), CellValue{std::string("hi")});
    EXPECT_EQ(at(read, 0, 2), CellValue{std::string("z")});
    EXPECT_EQ(at(read, 0, 3), CellValue{UnreadableCell{}});
}

TEST(WorkbookReader, OnlyWorksheetsAreReadAndChartsInsideThemAreLeftOut) {
    std::vector<SheetPart> sheets;
    sheets.push_back({"Chart", {}, 0x02});
    sheets.push_back({"Data", {}});
    ByteSink outside = cell(0, 0);
    outside.u64(std::bit_cast<std::uint64_t>(1.0));
    sheets.back().records.record(0x0203, outside.bytes());
    bof(sheets.back().records, 0x0020);
    ByteSink inside = cell(5, 5);
    inside.u64(std::bit_cast<std::uint64_t>(2.0));
    sheets.back().records.record(0x0203, inside.bytes());
    sheets.back().records.record(0x000A, {});

    Result<Workbook> workbook = read(stream({}, sheets));
    ASSERT_TRUE(workbook) << workbook.error().text;
    ASSERT_EQ(workbook->sheets.size(), 1u);
    EXPECT_EQ(workbook->sheets[0].name, "Data");
    EXPECT_EQ(workbook->sheets[0].cells.size(), 1u);
}

// Damage the reader must refuse rather than guess at, each with what is wrong.
TEST(WorkbookReader, RecordsThatCannotStandAreRefusedAsDamage) {
    auto oneCell = [](std::uint16_t id, const ByteSink& body) {
        std::vector<SheetPart> sheets(1);
        sheets[0].name = "IO1_1";
        sheets[0].records.record(id, body.bytes());
        return stream({}, sheets);
    };
    ByteSink pastColumns = cell(3, 256);
    pastColumns.u64(0);
    ByteSink mulRk;
    mulRk.u16(0);
    mulRk.u16(0);
    mulRk.u16(15);
    mulRk.u32(2);
    mulRk.u16(5); // claims columns 0..5 for one value
    ByteSink longLabel = cell(0, 0);
    text(longLabel, u"abc", false);
    longLabel.bytes()[6] = 4;

    std::vector<SheetPart> twice(2);
    twice[0].name = "A";
    twice[1].name = "B";
    std::vector<std::uint8_t> sameSheet = stream({}, twice);
    le::writeU32(sameSheet, 20 + 4 + 9 + 4, le::readU32(sameSheet, 20 + 4));

    ByteSink cutSst;
    cutSst.u32(1);
    cutSst.u32(1);
    cutSst.u16(10);
    cutSst.u8(0);
    cutSst.append(test::bytesOf("abc"));
    ByteSink cutGlobals;
    cutGlobals.record(0x00FC, cutSst.bytes());
    std::vector<SheetPart> manySheets(workbook_reading::kMaxSheets + 1);
    for (SheetPart& sheet : manySheets) {
        sheet.name = "S";
    }

    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        {oneCell(0x0203, pastColumns),
         "damaged workbook (sheet IO1_1, row 4: a cell past column 256)"},
        {oneCell(0x00BD, mulRk), "damaged workbook (sheet IO1_1, row 1: a run of numbers does "
                                 "not match its columns)"},
        {oneCell(0x0204, longLabel), "damaged workbook (sheet IO1_1: a cell record is cut short)"},
        {sameSheet, "damaged workbook (sheet B overlaps another part of the workbook)"},
        {stream(cutGlobals, {}), "damaged workbook (shared strings cut short)"},
        {stream({}, manySheets), "the workbook has more than 4096 sheets"},
        {stream({}, {}, 0x0500), "not an Excel 97-2003 workbook (an older format)"},
    };
    for (const auto& [bytes, expected] : cases) {
        Result<Workbook> workbook = read(bytes);
        ASSERT_FALSE(workbook) << expected;
        EXPECT_EQ(workbook.error().cause, Cause::InvalidInput);
        EXPECT_EQ(workbook.error().text, expected);
    }
}

std::vector<std::uint8_t> smallWorkbook() {
    Workbook workbook;
    for (const char* name : {"IO1_1", "IO1_2"}) {
        Sheet& sheet = workbook.sheets.emplace_back(Sheet{name, {}});
        for (std::uint32_t row = 0; row < 300; ++row) {
            sheet.set(row, 0, std::int32_t(row));
            sheet.set(row, 1, 0.5 * row);
            sheet.set(row, 2, "Text \u00E9\u6771 " + std::to_string(row % 40));
        }
        sheet.set(0, 3, std::string(9000, 'x')); // goes on into a CONTINUE
    }
    return writeWorkbook(workbook).value();
}

TEST(WorkbookReader, EveryCutOfAValidFileIsRefused) {
    const std::vector<std::uint8_t> whole = smallWorkbook();
    ASSERT_TRUE(readWorkbook(whole));
    for (std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{512}, whole.size() / 2,
                             whole.size() - 512, whole.size() - 1}) {
        Result<Workbook> cut = readWorkbook(std::span(whole).first(size));
        ASSERT_FALSE(cut) << size;
        EXPECT_EQ(cut.error().cause, Cause::InvalidInput) << size;
    }
}

// Flipped bytes anywhere: the reader reads or refuses, and sanitizers see no fault.
TEST(WorkbookReader, FlippedBytesAreReadOrRefusedNeverACrash) {
    const std::vector<std::uint8_t> whole = smallWorkbook();
    std::mt19937 random(13);
    std::uniform_int_distribution<std::size_t> place(0, whole.size() - 1);
    for (int copy = 0; copy < 200; ++copy) {
        std::vector<std::uint8_t> bytes = whole;
        for (int flip = 0; flip < 1 + copy % 8; ++flip) {
            bytes[place(random)] ^= static_cast<std::uint8_t>(1 + random() % 255);
        }
        Result<Workbook> workbook = readWorkbook(bytes);
        EXPECT_TRUE(workbook || workbook.error().cause == Cause::InvalidInput);
    }
}

TEST(WorkbookReader, AFileIsNamedInEveryFailureWithItsCause) {
    test::TempDir dir;
    auto failure = [&](const std::string& name) {
        Result<Workbook> workbook = readWorkbookFile(dir / name);
        EXPECT_FALSE(workbook) << name;
        return workbook ? Error{} : workbook.error();
    };
    ASSERT_TRUE(writeFile(dir / "devices.xls", test::bytesOf("Addr,Reg\n1,1\n")));
    EXPECT_EQ(failure("devices.xls").text, "Cannot read workbook " +
                                               (dir / "devices.xls").string() +
                                               ": not an Excel 97-2003 workbook (.xls)");
    EXPECT_EQ(failure("devices.xls").cause, Cause::InvalidInput);
    EXPECT_EQ(failure("missing.xls").cause, Cause::Missing);
    fs::create_directory(dir / "folder.xls");
    EXPECT_EQ(failure("folder.xls").cause, Cause::NotAFile);
    ASSERT_EQ(::mkfifo((dir / "fifo.xls").c_str(), 0600), 0);
    EXPECT_EQ(failure("fifo.xls").cause, Cause::NotAFile);
}

} // namespace
} // namespace qb
