// Writes a fuzzing corpus of small device workbooks made by our writer, each as a whole file
// and as the bare workbook stream (see WorkbookFuzz.cpp for the leading byte).
#include "excel/CompoundFileReader.h"
#include "excel/DeviceWorkbook.h"
#include "excel/WorkbookWriter.h"

#include <fstream>
#include <iostream>

using namespace qb;
namespace fs = std::filesystem;

namespace {

const char* const kHeader[] = {"Addr", "Reg",        "Equipment", "ProductionType",
                               "Zone", "OutputMode", "WorkModes", "Position"};

// The header row, then addresses 1..rows with values of every kind a cell holds.
Sheet deviceSheet(const std::string& name, std::int32_t rows) {
    Sheet sheet{name, {}};
    for (std::uint16_t column = 0; column < 8; ++column) {
        sheet.set(0, column, std::string(kHeader[column]));
    }
    for (std::int32_t row = 1; row <= rows; ++row) {
        sheet.set(row, 0, row);
        sheet.set(row, 1, row % 2);
        sheet.set(row, 2, row % 4 ? CellValue{std::int32_t{2 + row}} : CellValue{3.0});
        sheet.set(row, 3, std::string(row % 3 ? "OptDet" : "HeatDet"));
        sheet.set(row, 4, row % 5 ? CellValue{std::int32_t{row * 7 % 40}} : CellValue{-1.5});
        sheet.set(row, 5, std::string("Pulse"));
        sheet.set(row, 6, row % 3);
        sheet.set(row, 7, "Stair S\u00FCd \u6771 " + std::to_string(row));
    }
    return sheet;
}

void writeEntry(const fs::path& path, std::uint8_t mode, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.put(static_cast<char>(mode));
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_workbook_corpus CORPUS_DIR\n";
        return 2;
    }
    const fs::path corpus = argv[1];
    fs::create_directories(corpus);

    std::vector<std::pair<std::string, Workbook>> workbooks;
    workbooks.push_back({"board1", Workbook{{deviceSheet(device_workbook::sheetName(1, 1), 6),
                                             deviceSheet(device_workbook::sheetName(1, 2), 3)}}});
    Workbook everySheet;
    for (int board = 1; board <= device_workbook::kBoards; ++board) {
        for (int loop = 1; loop <= 2; ++loop) {
            everySheet.sheets.push_back(deviceSheet(device_workbook::sheetName(board, loop), 1));
        }
    }
    workbooks.push_back({"every-sheet", std::move(everySheet)});
    Workbook longText{{deviceSheet(device_workbook::sheetName(1, 1), 2)}};
    longText.sheets[0].set(2, 7, std::string(8300, 'x') + "\u00E9"); // goes on into a CONTINUE
    workbooks.push_back({"long-text", std::move(longText)});

    for (const auto& [name, workbook] : workbooks) {
        const std::vector<std::uint8_t> file = writeWorkbook(workbook).value();
        const std::vector<std::uint8_t> stream = readWorkbookStream(file).value();
        for (std::uint8_t code = 0; code < 3; ++code) {
            writeEntry(corpus / (name + "-file-" + std::to_string(code)), code << 1, file);
            writeEntry(corpus / (name + "-stream-" + std::to_string(code)), code << 1 | 1, stream);
        }
    }
    return 0;
}
