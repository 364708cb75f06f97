#include "excel/WorkbookReader.h"
#include "excel/BiffRecord.h"
#include "excel/CompoundFile.h"
#include "excel/WorkbookWriter.h"
#include "files/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <bit>
#include <sys/stat.h>

namespace qb {
namespace {

namespace fs = std::filesystem;

void bof(ByteSink& stream, std::uint16_t type) {
    ByteSink body;
    for (std::uint16_t v : {0x0600, int{type}, 0x0DBB, 0x07CC, 0, 0, 6, 0}) {
        body.u16(v);
    }
    stream.record(0x0809, body.bytes());
}

ByteSink cell(std::uint16_t row, std::uint16_t column) {
    ByteSink body;
    body.u16(row);
    body.u16(column);
    body.u16(15);
    return body;
}

// A workbook as another program may write it: one sheet "S" holding, in row 0, a NUMBER, a
// formula caching 7, an error value (#DIV/0!) and the boolean TRUE.
std::vector<std::uint8_t> workbookWithFormulaAndError() {
    ByteSink stream;
    bof(stream, 0x0005);
    ByteSink sheetEntry;
    sheetEntry.u32(0);
    for (std::uint8_t b : {0, 0, 1, 0, int{'S'}}) {
        sheetEntry.u8(b);
    }
    stream.record(0x0085, sheetEntry.bytes());
    stream.record(0x000A, {});
    stream.patchU32(4 + 16 + 4, static_cast<std::uint32_t>(stream.size()));

    bof(stream, 0x0010);
    ByteSink dimensions;
    dimensions.u32(0);
    dimensions.u32(1);
    dimensions.u32(4 << 16);
    dimensions.u16(0);
    stream.record(0x0200, dimensions.bytes());
    ByteSink number = cell(0, 0);
    number.u64(std::bit_cast<std::uint64_t>(2.5));
    stream.record(0x0203, number.bytes());
    ByteSink formula = cell(0, 1);
    formula.u64(std::bit_cast<std::uint64_t>(7.0));
    formula.u16(0);
    formula.u32(0);
    formula.u16(3);
    formula.u8(0x1E); // the constant 7
    formula.u16(7);
    stream.record(0x0006, formula.bytes());
    ByteSink error = cell(0, 2);
    error.u8(0x07);
    error.u8(1);
    stream.record(0x0205, error.bytes());
    ByteSink boolean = cell(0, 3);
    boolean.u8(1);
    boolean.u8(0);
    stream.record(0x0205, boolean.bytes());
    stream.record(0x000A, {});
    return buildCompoundFile(stream.bytes());
}

TEST(WorkbookReader, MarksFormulasAndErrorValuesUnreadableInsteadOfTakingANumber) {
    test::TempDir dir;
    ASSERT_TRUE(writeFile(dir / "f.xls", workbookWithFormulaAndError()));
    Result<WorkbookReader> reader = WorkbookReader::open(dir / "f.xls");
    ASSERT_TRUE(reader) << reader.error().text;
    Result<Sheet> sheet = reader->readSheet(0);
    ASSERT_TRUE(sheet) << sheet.error().text;
    EXPECT_EQ(*sheet->find(0, 0), CellValue{2.5});
    EXPECT_EQ(*sheet->find(0, 1), CellValue{UnreadableCell{}});
    EXPECT_EQ(*sheet->find(0, 2), CellValue{UnreadableCell{}});
    EXPECT_EQ(*sheet->find(0, 3), CellValue{std::int32_t{1}});
}

class DamagedWorkbook : public ::testing::Test {
protected:
    // The failure to open the file, which must name it.
    Error openFailure(const fs::path& path) {
        Result<WorkbookReader> reader = WorkbookReader::open(path);
        EXPECT_FALSE(reader);
        if (reader) {
            return {};
        }
        EXPECT_NE(reader.error().text.find(path.string()), std::string::npos)
            << reader.error().text;
        return reader.error();
    }

    std::vector<std::uint8_t> validFile() {
        Sheet sheet{"IO1_1", {}};
        for (std::uint32_t row = 0; row < 400; ++row) {
            sheet.set(row, 0, std::string("text ") + std::to_string(row));
        }
        return writeWorkbook(Workbook{{sheet}}).value();
    }

    test::TempDir m_dir;
};

TEST_F(DamagedWorkbook, EveryCutOfAValidFileIsRefused) {
    const std::vector<std::uint8_t> whole = validFile();
    for (std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{512}, whole.size() / 2,
                             whole.size() - 512, whole.size() - 1}) {
        const fs::path path = m_dir / ("cut" + std::to_string(size) + ".xls");
        ASSERT_TRUE(writeFile(path, std::span(whole).first(size)));
        EXPECT_EQ(openFailure(path).cause, Cause::InvalidInput) << size;
    }
}

TEST_F(DamagedWorkbook, AFileThatIsNoWorkbookIsRefused) {
    ASSERT_TRUE(writeFile(m_dir / "devices.xls", test::bytesOf("Addr,Reg\n1,1\n")));
    EXPECT_EQ(openFailure(m_dir / "devices.xls").cause, Cause::InvalidInput);
}

TEST_F(DamagedWorkbook, AStreamFreeXLOpensWithSuccessButNoHandleIsRefused) {
    std::vector<std::uint8_t> file = validFile();
    file[512] = 0; // the workbook's first record is no BOF
    ASSERT_TRUE(writeFile(m_dir / "nobof.xls", file));
    EXPECT_EQ(openFailure(m_dir / "nobof.xls").text, "Cannot read workbook " +
                                                         (m_dir / "nobof.xls").string() +
                                                         ": the workbook is damaged");
}

TEST_F(DamagedWorkbook, AMissingFileAndAFolderAreToldApart) {
    EXPECT_EQ(openFailure(m_dir / "devices.xls").cause, Cause::Missing);
    fs::create_directory(m_dir / "folder.xls");
    EXPECT_EQ(openFailure(m_dir / "folder.xls").cause, Cause::NotAFile);
    ASSERT_EQ(::mkfifo((m_dir / "fifo.xls").c_str(), 0600), 0);
    EXPECT_EQ(openFailure(m_dir / "fifo.xls").cause, Cause::NotAFile);
}

} // namespace
} // namespace qb
