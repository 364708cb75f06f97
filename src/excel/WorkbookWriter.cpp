#include "WorkbookWriter.h"

#include "BiffRecord.h"
#include "CompoundFile.h"
#include "SharedStrings.h"

#include <utf8.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <set>

namespace qb {

namespace {

namespace record {
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kCodepage = 0x0042;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kRow = 0x0208;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kWindow2 = 0x023E;
} // namespace record

constexpr std::uint16_t kGlobalsBof = 0x0005;
constexpr std::uint16_t kSheetBof = 0x0010;
constexpr std::uint16_t kUtf16Codepage = 0x04B0;
constexpr std::size_t kFonts = 4;
constexpr std::size_t kStyleXfs = 15;
constexpr std::uint16_t kCellXf = 15;
// An RK value holds a whole number in its upper 30 bits.
constexpr std::int32_t kRkMin = -(1 << 29);
constexpr std::int32_t kRkMax = (1 << 29) - 1;

Error invalid(std::string text) {
    return Error{Cause::InvalidInput, {}, std::move(text)};
}

void bof(ByteSink& stream, std::uint16_t type) {
    ByteSink body;
    body.u16(0x0600); // BIFF8
    body.u16(type);
    body.u16(0x0DBB); // build
    body.u16(0x07CC); // year
    body.u32(0);      // file history
    body.u32(0x0006); // lowest version that can read it
    stream.record(record::kBof, body.bytes());
}

void shortUnicode(ByteSink& body, const std::u16string& text) {
    body.u8(static_cast<std::uint8_t>(text.size()));
    body.u8(0x01); // UTF-16LE
    for (char16_t c : text) {
        body.u16(c);
    }
}

void globalsHead(ByteSink& stream) {
    bof(stream, kGlobalsBof);
    ByteSink codepage;
    codepage.u16(kUtf16Codepage);
    stream.record(record::kCodepage, codepage.bytes());

    ByteSink window;
    window.u16(0);      // left
    window.u16(0);      // top
    window.u16(0x4000); // width
    window.u16(0x2000); // height
    window.u16(0x0038); // horizontal and vertical scroll bars, sheet tabs
    window.u16(0);      // active sheet
    window.u16(0);      // first visible tab
    window.u16(1);      // selected sheets
    window.u16(0x0258); // tab bar width ratio
    stream.record(record::kWindow1, window.bytes());

    for (std::size_t i = 0; i < kFonts; ++i) {
        ByteSink font;
        font.u16(200);    // 10 pt in twips
        font.u16(0);      // no attributes
        font.u16(0x7FFF); // automatic colour
        font.u16(400);    // normal weight
        font.u16(0);      // no escapement
        font.u8(0);       // no underline
        font.u8(0);       // family
        font.u8(0);       // character set
        font.u8(0);
        font.u8(5);
        font.u8(0); // compressed characters
        for (char c : std::string_view("Arial")) {
            font.u8(static_cast<std::uint8_t>(c));
        }
        stream.record(record::kFont, font.bytes());
    }

    for (std::size_t i = 0; i <= kStyleXfs; ++i) {
        const bool style = i < kStyleXfs;
        ByteSink xf;
        xf.u16(0);                       // font
        xf.u16(0);                       // number format: General
        xf.u16(style ? 0xFFF5 : 0x0001); // locked; a style XF has no parent, a cell XF Normal
        xf.u8(0x20);                     // bottom aligned
        xf.u8(0);                        // no rotation
        xf.u8(0);                        // no indent
        xf.u8(style ? 0xF4 : 0x00);      // which attribute groups the XF sets itself
        xf.u32(0);                       // no borders
        xf.u32(0);                       // no border colours
        xf.u16(0x20C0);                  // default pattern colours
        stream.record(record::kXf, xf.bytes());
    }

    ByteSink styleRecord;
    styleRecord.u16(0x8000); // built-in style on XF 0
    styleRecord.u8(0);       // Normal
    styleRecord.u8(0xFF);
    stream.record(record::kStyle, styleRecord.bytes());
}

// The sheet's records from BOF to EOF; texts go to the shared strings.
std::vector<std::uint8_t> sheetStream(const Sheet& sheet, const std::vector<std::u16string>& texts,
                                      SharedStrings& strings, bool first) {
    ByteSink stream;
    bof(stream, kSheetBof);
    std::size_t nextText = 0;

    std::uint32_t firstRow = 0, lastRow = 0;
    std::uint16_t firstColumn = 0, lastColumn = 0;
    if (!sheet.cells.empty()) {
        firstRow = sheet.cells.begin()->first.row;
        lastRow = sheet.cells.rbegin()->first.row;
        firstColumn = lastColumn = sheet.cells.begin()->first.column;
        for (const auto& [position, value] : sheet.cells) {
            firstColumn = std::min(firstColumn, position.column);
            lastColumn = std::max(lastColumn, position.column);
        }
    }
    // Counts, not last indexes: one past the last filled row and column.
    ByteSink dimensions;
    dimensions.u32(firstRow);
    dimensions.u32(sheet.cells.empty() ? 0 : lastRow + 1);
    dimensions.u16(firstColumn);
    dimensions.u16(sheet.cells.empty() ? 0 : static_cast<std::uint16_t>(lastColumn + 1));
    dimensions.u16(0);
    stream.record(record::kDimensions, dimensions.bytes());

    for (auto it = sheet.cells.begin(); it != sheet.cells.end();) {
        const std::uint32_t row = it->first.row;
        const std::uint16_t first = it->first.column;
        std::uint16_t last = first;
        for (; it != sheet.cells.end() && it->first.row == row; ++it) {
            last = it->first.column;
        }
        ByteSink rowRecord;
        rowRecord.u16(static_cast<std::uint16_t>(row));
        rowRecord.u16(first);
        rowRecord.u16(static_cast<std::uint16_t>(last + 1));
        rowRecord.u16(0x00FF); // default height
        rowRecord.u16(0);
        rowRecord.u16(0);
        rowRecord.u32(0x00000100 | (std::uint32_t{kCellXf} << 16));
        stream.record(record::kRow, rowRecord.bytes());
    }

    for (const auto& [position, value] : sheet.cells) {
        ByteSink cell;
        cell.u16(static_cast<std::uint16_t>(position.row));
        cell.u16(position.column);
        cell.u16(kCellXf);
        if (std::holds_alternative<std::string>(value)) {
            cell.u32(strings.add(texts[nextText++]));
            stream.record(record::kLabelSst, cell.bytes());
        } else if (const auto* whole = std::get_if<std::int32_t>(&value);
                   whole && *whole >= kRkMin && *whole <= kRkMax) {
            cell.u32((static_cast<std::uint32_t>(*whole) << 2) | 0x2);
            stream.record(record::kRk, cell.bytes());
        } else if (whole) {
            cell.u64(std::bit_cast<std::uint64_t>(static_cast<double>(*whole)));
            stream.record(record::kNumber, cell.bytes());
        } else if (const auto* number = std::get_if<double>(&value)) {
            cell.u64(std::bit_cast<std::uint64_t>(*number));
            stream.record(record::kNumber, cell.bytes());
        }
    }

    ByteSink window;
    // Grid lines, headers, zero values, outline symbols, automatic grid colour; the first
    // sheet is the selected and shown one.
    window.u16(first ? 0x06B6 : 0x00B6);
    window.u16(0);  // top row
    window.u16(0);  // left column
    window.u32(64); // automatic grid line colour
    window.u16(0);  // page break preview zoom
    window.u16(0);  // normal zoom
    window.u32(0);
    stream.record(record::kWindow2, window.bytes());
    stream.record(record::kEof, {});
    return std::move(stream.bytes());
}

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The sheet's texts in cell order, in UTF-16, or what is wrong with one.
Result<std::vector<std::u16string>> sheetTexts(const Sheet& sheet) {
    std::vector<std::u16string> texts;
    for (const auto& [position, value] : sheet.cells) {
        const std::string where = "sheet " + sheet.name + ", row " +
                                  std::to_string(position.row + 1) + ", column " +
                                  std::to_string(position.column + 1);
        if (position.row >= workbook_limits::kRows ||
            position.column >= workbook_limits::kColumns) {
            return invalid("Cell outside the worksheet: " + where);
        }
        const auto* text = std::get_if<std::string>(&value);
        if (!text) {
            continue;
        }
        if (!utf8::is_valid(text->begin(), text->end())) {
            return invalid("Text is not valid UTF-8: " + where);
        }
        texts.push_back(utf8::utf8to16(*text));
        if (texts.back().size() > workbook_limits::kText) {
            return invalid("Text longer than 32767 characters: " + where);
        }
    }
    return texts;
}

} // namespace

std::string sheetNameProblem(const std::string& name) {
    if (name.empty()) {
        return "Sheet name is empty";
    }
    if (!utf8::is_valid(name.begin(), name.end())) {
        return "Sheet name is not valid UTF-8";
    }
    if (utf8::utf8to16(name).size() > workbook_limits::kSheetName) {
        return "Sheet name longer than 31 characters: " + name;
    }
    if (name.find_first_of("[]:*?/\\") != std::string::npos) {
        return "Sheet name holds one of []:*?/\\: " + name;
    }
    return {};
}

Result<std::vector<std::uint8_t>> writeWorkbook(const Workbook& workbook) {
    std::set<std::string> names;
    for (const Sheet& sheet : workbook.sheets) {
        if (std::string problem = sheetNameProblem(sheet.name); !problem.empty()) {
            return invalid(problem);
        }
        if (!names.insert(lowerAscii(sheet.name)).second) {
            return invalid("Sheet name used twice: " + sheet.name);
        }
    }

    SharedStrings strings;
    std::vector<std::vector<std::uint8_t>> sheets;
    for (const Sheet& sheet : workbook.sheets) {
        Result<std::vector<std::u16string>> texts = sheetTexts(sheet);
        if (!texts) {
            return texts.error();
        }
        sheets.push_back(sheetStream(sheet, *texts, strings, sheets.empty()));
    }

    ByteSink stream;
    globalsHead(stream);
    std::vector<std::size_t> offsetFields;
    for (const Sheet& sheet : workbook.sheets) {
        ByteSink boundSheet;
        boundSheet.u32(0); // where the sheet's BOF is, patched below
        boundSheet.u8(0);  // visible
        boundSheet.u8(0);  // worksheet
        shortUnicode(boundSheet, utf8::utf8to16(sheet.name));
        offsetFields.push_back(stream.size() + 4);
        stream.record(record::kBoundSheet, boundSheet.bytes());
    }
    strings.write(stream);
    stream.record(record::kEof, {});

    for (std::size_t i = 0; i < sheets.size(); ++i) {
        stream.patchU32(offsetFields[i], static_cast<std::uint32_t>(stream.size()));
        stream.append(sheets[i]);
    }
    return buildCompoundFile(stream.bytes());
}

} // namespace qb
