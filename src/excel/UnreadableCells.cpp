#include "UnreadableCells.h"

#include "store/LittleEndian.h"

#include <utf8.h>

#include <iterator>
#include <optional>
#include <vector>

namespace qb {

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kBoolErr = 0x0205;

struct Record {
    std::uint16_t id = 0;
    std::span<const std::uint8_t> body;
    std::size_t next = 0;
};

std::optional<Record> recordAt(std::span<const std::uint8_t> stream, std::size_t at) {
    if (at + 4 > stream.size()) {
        return std::nullopt;
    }
    const std::size_t length = le::readU16(stream, at + 2);
    if (at + 4 + length > stream.size()) {
        return std::nullopt;
    }
    return Record{le::readU16(stream, at), stream.subspan(at + 4, length), at + 4 + length};
}

Error damaged(const std::string& what) {
    return Error{Cause::InvalidInput, {}, "damaged workbook (" + what + ")"};
}

// A BOUNDSHEET name: a character count, an option byte, Latin-1 or UTF-16 characters.
std::optional<std::string> sheetName(std::span<const std::uint8_t> body) {
    if (body.size() < 8) {
        return std::nullopt;
    }
    const std::size_t count = body[6];
    const bool wide = body[7] & 0x01;
    if (body.size() < 8 + count * (wide ? 2 : 1)) {
        return std::nullopt;
    }
    std::string name;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t c = wide ? le::readU16(body, 8 + 2 * i) : body[8 + i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && wide) {
            const std::uint32_t low = le::readU16(body, 8 + 2 * (i + 1));
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        utf8::append(c >= 0xD800 && c < 0xE000 ? 0xFFFD : c, std::back_inserter(name));
    }
    return name;
}

struct SheetStart {
    std::string name;
    std::size_t offset = 0;
};

} // namespace

Result<std::map<std::string, std::set<CellPosition>>>
findUnreadableCells(std::span<const std::uint8_t> stream) {
    std::vector<SheetStart> sheets;
    for (std::size_t at = 0;;) {
        std::optional<Record> record = recordAt(stream, at);
        if (!record) {
            return damaged("workbook globals end early");
        }
        if (record->id == kEof) {
            break;
        }
        if (record->id == kBoundSheet) {
            std::optional<std::string> name = sheetName(record->body);
            if (!name) {
                return damaged("sheet entry");
            }
            sheets.push_back({*name, le::readU32(record->body, 0)});
        }
        at = record->next;
    }

    std::map<std::string, std::set<CellPosition>> found;
    for (const SheetStart& sheet : sheets) {
        std::set<CellPosition>& cells = found[sheet.name];
        std::optional<Record> record = recordAt(stream, sheet.offset);
        if (!record || record->id != kBof) {
            return damaged("sheet " + sheet.name + " not where its entry says");
        }
        // Embedded substreams (charts) nest their own BOF ... EOF.
        for (int depth = 1; depth > 0;) {
            record = recordAt(stream, record->next);
            if (!record) {
                return damaged("sheet " + sheet.name + " ends early");
            }
            if (record->id == kBof) {
                ++depth;
            } else if (record->id == kEof) {
                --depth;
            } else if (depth == 1 && record->body.size() >= 4 &&
                       (record->id == kFormula ||
                        (record->id == kBoolErr && record->body.size() >= 8 &&
                         record->body[7] == 1))) {
                cells.insert({le::readU16(record->body, 0), le::readU16(record->body, 2)});
            }
        }
    }
    return found;
}

} // namespace qb
