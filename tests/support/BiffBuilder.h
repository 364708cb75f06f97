#pragma once

#include "excel/BiffRecord.h"
#include "support/TempDir.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace qb::test::biff_build {

// Records another program may write and ours never does, laid out by hand.
inline void bof(ByteSink& stream, std::uint16_t type, std::uint16_t version = 0x0600) {
    ByteSink body;
    for (std::uint16_t v : {version, type, std::uint16_t{0x0DBB}, std::uint16_t{0x07CC}}) {
        body.u16(v);
    }
    body.u64(6);
    stream.record(0x0809, body.bytes());
}

inline ByteSink cell(std::uint16_t row, std::uint16_t column) {
    ByteSink body;
    body.u16(row);
    body.u16(column);
    body.u16(15);
    return body;
}

// A text's character count and option byte, then its characters: 8-bit when `wide` is false.
inline void text(ByteSink& body, const std::u16string& chars, bool wide) {
    body.u16(static_cast<std::uint16_t>(chars.size()));
    body.u8(wide ? 1 : 0);
    for (char16_t c : chars) {
        wide ? body.u16(c) : body.u8(static_cast<std::uint8_t>(c));
    }
}

struct SheetPart {
    std::string name; // ASCII
    ByteSink records; // between the sheet's BOF and EOF
    std::uint8_t type = 0;
};

// The stream: globals (the sheet entries, then `globals`), then each sheet.
inline std::vector<std::uint8_t> stream(const ByteSink& globals,
                                        const std::vector<SheetPart>& sheets,
                                        std::uint16_t version = 0x0600) {
    ByteSink out;
    bof(out, 0x0005, version);
    std::vector<std::size_t> offsetFields;
    for (const SheetPart& sheet : sheets) {
        ByteSink entry;
        entry.u32(0);
        entry.u8(0);
        entry.u8(sheet.type);
        entry.u8(static_cast<std::uint8_t>(sheet.name.size()));
        entry.u8(0);
        entry.append(bytesOf(sheet.name));
        offsetFields.push_back(out.size() + 4);
        out.record(0x0085, entry.bytes());
    }
    out.append(globals.bytes());
    out.record(0x000A, {});
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        out.patchU32(offsetFields[i], static_cast<std::uint32_t>(out.size()));
        bof(out, 0x0010);
        out.append(sheets[i].records.bytes());
        out.record(0x000A, {});
    }
    return std::move(out.bytes());
}

// A formula whose cached result is 7 (no tokens: a reader never evaluates it).
inline void formula(ByteSink& records, std::uint16_t row, std::uint16_t column) {
    ByteSink body = cell(row, column);
    body.u64(std::bit_cast<std::uint64_t>(7.0));
    body.u64(0);
    records.record(0x0006, body.bytes());
}

// A text cell of its own (LABEL), without the shared string table.
inline void label(ByteSink& records, std::uint16_t row, std::uint16_t column,
                  const std::u16string& chars) {
    ByteSink body = cell(row, column);
    text(body, chars, true);
    records.record(0x0204, body.bytes());
}

} // namespace qb::test::biff_build
