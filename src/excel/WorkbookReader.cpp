#include "WorkbookReader.h"

#include "BiffRecord.h"
#include "BiffText.h"
#include "CompoundFileReader.h"
#include "files/FileIo.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <system_error>

namespace qb {

namespace {

namespace record {
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kRString = 0x00D6;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kMulRk = 0x00BD;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kFormula = 0x0006;
} // namespace record

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint8_t kWorksheet = 0x00;
constexpr std::uint16_t kColumns = 256;
constexpr std::size_t kCellHead = 6; // row, column, XF

Error damaged(const std::string& what) {
    return Error{Cause::InvalidInput, {}, "damaged workbook (" + what + ")"};
}

struct SheetEntry {
    std::string name;
    std::size_t offset = 0;
    std::size_t index = 0; // among the worksheets, in tab order
};

struct Globals {
    std::vector<SheetEntry> sheets;
    std::vector<std::string> strings;
    std::size_t end = 0;
};

Result<Globals> readGlobals(std::span<const std::uint8_t> stream) {
    const std::optional<RecordView> first = recordAt(stream, 0);
    if (!first || first->id != record::kBof || first->body.size() < 4) {
        return damaged("the workbook does not start with a BOF record");
    }
    if (le::readU16(first->body, 0) != kBiff8) {
        return Error{Cause::InvalidInput, {}, "not an Excel 97-2003 workbook (an older format)"};
    }
    Globals globals;
    std::vector<std::span<const std::uint8_t>> sst;
    for (std::size_t at = first->next, depth = 1; depth > 0;) {
        const std::optional<RecordView> r = recordAt(stream, at);
        if (!r) {
            return damaged("the workbook globals end early");
        }
        at = globals.end = r->next;
        if (r->id == record::kBof) {
            ++depth;
        } else if (r->id == record::kEof) {
            --depth;
        } else if (depth > 1) {
            continue;
        } else if (r->id == record::kBoundSheet) {
            const std::span<const std::uint8_t> body = r->body;
            std::optional<std::string> name;
            if (body.size() >= 8) {
                name = readBiffCharacters(body, 8, body[6], body[7] & 0x01);
            }
            if (!name) {
                return damaged("a sheet entry is cut short");
            }
            if (body[5] == kWorksheet) {
                if (globals.sheets.size() == workbook_reading::kMaxSheets) {
                    return Error{Cause::InvalidInput,
                                 {},
                                 "the workbook has more than " +
                                     std::to_string(workbook_reading::kMaxSheets) + " sheets"};
                }
                globals.sheets.push_back({*name, le::readU32(body, 0), globals.sheets.size()});
            }
        } else if (r->id == record::kSst && sst.empty()) {
            sst.push_back(r->body);
            for (auto next = recordAt(stream, at); next && next->id == biff::kContinue;
                 next = recordAt(stream, at)) {
                sst.push_back(next->body);
                at = next->next;
            }
        }
    }
    if (!sst.empty()) {
        Result<std::vector<std::string>> strings = readSharedStringTable(sst);
        if (!strings) {
            return strings.error();
        }
        globals.strings = std::move(*strings);
    }
    return globals;
}

// What a number a spreadsheet stored stands for; a value no spreadsheet can hold (an infinity,
// not a number) is unreadable.
CellValue numberValue(double value) {
    return std::isfinite(value) ? CellValue{value} : CellValue{UnreadableCell{}};
}

// An RK value: a whole number in its upper 30 bits or the upper 30 bits of a double, either
// perhaps to be divided by 100.
CellValue rkValue(std::uint32_t rk) {
    const bool hundredths = rk & 0x01;
    if (rk & 0x02) {
        const std::int32_t whole = static_cast<std::int32_t>(rk) >> 2;
        return hundredths ? CellValue{whole / 100.0} : CellValue{whole};
    }
    const double value = std::bit_cast<double>(std::uint64_t{rk & 0xFFFFFFFCu} << 32);
    return numberValue(hundredths ? value / 100 : value);
}

// Puts the cell records of one worksheet into its Sheet, keeping the whole workbook within the
// limits.
class SheetReader {
public:
    explicit SheetReader(const std::vector<std::string>& strings) : m_strings(strings) {}

    // The sheet's records from its BOF on; returns where the record after its EOF starts.
    Result<std::size_t> read(std::span<const std::uint8_t> stream, std::size_t offset,
                             Sheet& sheet) {
        m_sheet = &sheet;
        std::optional<RecordView> r = recordAt(stream, offset);
        if (!r || r->id != record::kBof) {
            return damaged("sheet " + sheet.name + " is not where its entry says");
        }
        // Charts embedded in the sheet nest their own BOF ... EOF.
        for (std::size_t depth = 1; depth > 0;) {
            r = recordAt(stream, r->next);
            if (!r) {
                return damaged("sheet " + sheet.name + " ends early");
            }
            if (r->id == record::kBof) {
                ++depth;
            } else if (r->id == record::kEof) {
                --depth;
            } else if (depth == 1) {
                if (std::optional<Error> error = cell(*r)) {
                    return *error;
                }
            }
        }
        return r->next;
    }

private:
    std::optional<Error> cell(const RecordView& r) {
        const std::span<const std::uint8_t> body = r.body;
        switch (r.id) {
        case record::kLabelSst:
            if (body.size() < kCellHead + 4) {
                return cutShort();
            }
            // A string the table does not hold leaves the cell unreadable, in its place.
            if (const std::uint32_t index = le::readU32(body, kCellHead);
                index < m_strings.size()) {
                return put(body, std::string(m_strings[index]));
            }
            return put(body, UnreadableCell{});
        case record::kLabel:
        case record::kRString:
            if (body.size() < kCellHead + 3) {
                return cutShort();
            } else if (std::optional<std::string> text =
                           readBiffCharacters(body, kCellHead + 3, le::readU16(body, kCellHead),
                                              body[kCellHead + 2] & 0x01)) {
                return put(body, std::move(*text));
            }
            return cutShort();
        case record::kNumber:
            if (body.size() < kCellHead + 8) {
                return cutShort();
            }
            return put(body, numberValue(std::bit_cast<double>(
                                 std::uint64_t{le::readU32(body, kCellHead)} |
                                 std::uint64_t{le::readU32(body, kCellHead + 4)} << 32)));
        case record::kRk:
            if (body.size() < kCellHead + 4) {
                return cutShort();
            }
            return put(body, rkValue(le::readU32(body, kCellHead)));
        case record::kMulRk:
            return mulRk(body);
        case record::kBoolErr:
            if (body.size() < kCellHead + 2) {
                return cutShort();
            }
            if (body[kCellHead + 1] != 0) {
                return put(body, UnreadableCell{}); // an error value
            }
            return put(body, std::int32_t{body[kCellHead] != 0});
        case record::kFormula:
            if (body.size() < kCellHead) {
                return cutShort();
            }
            return put(body, UnreadableCell{});
        default:
            return std::nullopt;
        }
    }

    // Row, first column, (XF, RK) per cell, last column.
    std::optional<Error> mulRk(std::span<const std::uint8_t> body) {
        if (body.size() < 12 || (body.size() - 6) % 6 != 0) {
            return cutShort();
        }
        const std::uint16_t row = le::readU16(body, 0);
        const std::uint16_t first = le::readU16(body, 2);
        const std::size_t count = (body.size() - 6) / 6;
        if (le::readU16(body, body.size() - 2) != first + count - 1) {
            return damaged("sheet " + m_sheet->name + ", row " + std::to_string(row + 1) +
                           ": a run of numbers does not match its columns");
        }
        for (std::size_t i = 0; i < count; ++i) {
            const auto column = static_cast<std::uint16_t>(first + i);
            if (std::optional<Error> error =
                    put(row, column, rkValue(le::readU32(body, 6 + 6 * i)))) {
                return error;
            }
        }
        return std::nullopt;
    }

    std::optional<Error> put(std::span<const std::uint8_t> body, CellValue value) {
        return put(le::readU16(body, 0), le::readU16(body, 2), std::move(value));
    }

    std::optional<Error> put(std::uint16_t row, std::uint16_t column, CellValue value) {
        if (column >= kColumns) {
            return damaged("sheet " + m_sheet->name + ", row " + std::to_string(row + 1) +
                           ": a cell past column 256");
        }
        if (++m_cells > workbook_reading::kMaxCells) {
            return Error{Cause::InvalidInput,
                         {},
                         "the workbook holds more than " +
                             std::to_string(workbook_reading::kMaxCells) + " cells"};
        }
        if (const auto* text = std::get_if<std::string>(&value)) {
            m_text += text->size();
            if (m_text > workbook_reading::kMaxCellText) {
                return Error{Cause::InvalidInput,
                             {},
                             "the workbook's texts take more than " +
                                 std::to_string(workbook_reading::kMaxCellText >> 20) + " MB"};
            }
        }
        m_sheet->set(row, column, std::move(value));
        return std::nullopt;
    }

    Error cutShort() const {
        return damaged("sheet " + m_sheet->name + ": a cell record is cut short");
    }

    const std::vector<std::string>& m_strings;
    Sheet* m_sheet = nullptr;
    std::size_t m_cells = 0;
    std::size_t m_text = 0;
};

Error fileError(const std::filesystem::path& path, Cause cause, std::error_code code,
                const std::string& reason) {
    return Error{cause, code, "Cannot read workbook " + path.string() + ": " + reason};
}

} // namespace

Result<Workbook> readWorkbook(std::span<const std::uint8_t> file) {
    Result<std::vector<std::uint8_t>> stream = readWorkbookStream(file);
    if (!stream) {
        return stream.error();
    }
    Result<Globals> globals = readGlobals(*stream);
    if (!globals) {
        return globals.error();
    }

    Workbook workbook;
    workbook.sheets.resize(globals->sheets.size());
    std::vector<SheetEntry> byPlace = globals->sheets;
    std::stable_sort(byPlace.begin(), byPlace.end(),
                     [](const SheetEntry& a, const SheetEntry& b) { return a.offset < b.offset; });
    // Each sheet after the one before: no record is read twice, however many entries point at it.
    std::size_t end = globals->end;
    SheetReader reader(globals->strings);
    for (const SheetEntry& entry : byPlace) {
        Sheet& sheet = workbook.sheets[entry.index];
        sheet.name = entry.name;
        if (entry.offset < end) {
            return damaged("sheet " + entry.name + " overlaps another part of the workbook");
        }
        Result<std::size_t> next = reader.read(*stream, entry.offset, sheet);
        if (!next) {
            return next.error();
        }
        end = *next;
    }
    return workbook;
}

Result<Workbook> readWorkbookFile(const std::filesystem::path& path) {
    // Only as many bytes as the file has are asked for: the buffer is made that large up front.
    std::error_code sizeError;
    const std::uintmax_t expected = std::filesystem::file_size(path, sizeError);
    const std::size_t limit = workbook_reading::kMaxFileSize;
    const std::string tooLarge = "the file is larger than " + std::to_string(limit >> 20) + " MB";
    if (!sizeError && expected > limit) {
        return fileError(path, Cause::InvalidInput, {}, tooLarge);
    }
    // A FIFO or a folder has no size: reading it is refused without waiting.
    Result<FileStart> file = readFileStart(path, sizeError ? 1 : expected + 1);
    if (!file) {
        return fileError(path, file.error().cause, file.error().code, file.error().reason());
    }
    if (file->size > limit) {
        return fileError(path, Cause::InvalidInput, {}, tooLarge);
    }
    if (file->size > file->bytes.size()) {
        return fileError(path, Cause::IoFailure, {}, "the file changed while it was read");
    }
    Result<Workbook> workbook = readWorkbook(file->bytes);
    if (!workbook) {
        return fileError(path, workbook.error().cause, {}, workbook.error().text);
    }
    return workbook;
}

} // namespace qb
