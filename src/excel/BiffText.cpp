#include "BiffText.h"
#include "WorkbookReader.h"

#include "files/TextCodec.h"
#include "store/LittleEndian.h"

#include <algorithm>

namespace qb {

namespace {

constexpr std::uint8_t kWide = 0x01;
constexpr std::uint8_t kPhonetic = 0x04;
constexpr std::uint8_t kRich = 0x08;
constexpr std::size_t kSstHeader = 8;    // total references, unique count
constexpr std::size_t kStringHeader = 3; // the smallest a text takes: count and option byte

void appendCharacters(std::u16string& text, std::span<const std::uint8_t> bytes, bool wide) {
    if (wide) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            text.push_back(static_cast<char16_t>(le::readU16(bytes, i)));
        }
    } else {
        text.append(bytes.begin(), bytes.end());
    }
}

// Reads across the table's records as one run of bytes, except where characters go on into the
// next record.
class TableCursor {
public:
    explicit TableCursor(const std::vector<std::span<const std::uint8_t>>& records)
        : m_records(records) {}

    bool atEnd() {
        skipSpent();
        return m_record == m_records.size();
    }

    std::optional<std::uint32_t> number(std::size_t bytes) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            skipSpent();
            if (m_record == m_records.size()) {
                return std::nullopt;
            }
            value |= std::uint32_t{m_records[m_record][m_at++]} << (8 * i);
        }
        return value;
    }

    bool skip(std::size_t bytes) {
        while (bytes > 0) {
            skipSpent();
            if (m_record == m_records.size()) {
                return false;
            }
            const std::size_t step = std::min(bytes, m_records[m_record].size() - m_at);
            m_at += step;
            bytes -= step;
        }
        return true;
    }

    // A record holds whole characters; the next one starts with its own option byte.
    bool characters(std::size_t count, bool wide, std::u16string& text) {
        while (count > 0) {
            if (m_record == m_records.size()) {
                return false;
            }
            const std::span<const std::uint8_t> record = m_records[m_record];
            if (m_at == record.size()) {
                ++m_record;
                m_at = 0;
                if (m_record < m_records.size() && !m_records[m_record].empty()) {
                    wide = m_records[m_record][m_at++] & kWide;
                }
                continue;
            }
            const std::size_t size = wide ? 2 : 1;
            const std::size_t take = std::min(count, (record.size() - m_at) / size);
            if (take == 0) {
                return false; // half a character
            }
            appendCharacters(text, record.subspan(m_at, take * size), wide);
            m_at += take * size;
            count -= take;
        }
        return true;
    }

private:
    void skipSpent() {
        while (m_record < m_records.size() && m_at == m_records[m_record].size()) {
            ++m_record;
            m_at = 0;
        }
    }

    const std::vector<std::span<const std::uint8_t>>& m_records;
    std::size_t m_record = 0;
    std::size_t m_at = 0;
};

Error damagedTable() {
    return Error{Cause::InvalidInput, {}, "damaged workbook (shared strings cut short)"};
}

} // namespace

std::optional<std::string> readBiffCharacters(std::span<const std::uint8_t> body, std::size_t at,
                                              std::size_t count, bool wide) {
    const std::size_t size = count * (wide ? 2 : 1);
    if (at > body.size() || body.size() - at < size) {
        return std::nullopt;
    }
    std::u16string text;
    appendCharacters(text, body.subspan(at, size), wide);
    return toUtf8(text);
}

Result<std::vector<std::string>>
readSharedStringTable(const std::vector<std::span<const std::uint8_t>>& records) {
    if (records.empty() || records.front().size() < kSstHeader) {
        return damagedTable();
    }
    std::vector<std::span<const std::uint8_t>> rest = records;
    rest.front() = rest.front().subspan(kSstHeader);
    std::size_t bytes = 0;
    for (const auto& record : rest) {
        bytes += record.size();
    }
    const std::uint32_t claimed = le::readU32(records.front(), 4);
    std::size_t textBytes = 0;

    std::vector<std::string> texts;
    texts.reserve(std::min<std::size_t>(claimed, bytes / kStringHeader));
    TableCursor cursor(rest);
    std::u16string text;
    // A table that ends between texts, short of its count, holds the texts it has: a cell
    // referring past them is unreadable, not the whole workbook.
    while (texts.size() < claimed && !cursor.atEnd()) {
        const auto count = cursor.number(2);
        const auto flags = cursor.number(1);
        if (!count || !flags) {
            return damagedTable();
        }
        std::uint32_t runs = 0;
        std::uint32_t phonetic = 0;
        if (*flags & kRich) {
            const auto value = cursor.number(2);
            if (!value) {
                return damagedTable();
            }
            runs = *value;
        }
        if (*flags & kPhonetic) {
            const auto value = cursor.number(4);
            if (!value) {
                return damagedTable();
            }
            phonetic = *value;
        }
        text.clear();
        if (!cursor.characters(*count, *flags & kWide, text) ||
            !cursor.skip(std::size_t{runs} * 4) || !cursor.skip(phonetic)) {
            return damagedTable();
        }
        texts.push_back(toUtf8(text));
        // No cell the reader keeps could refer past this many texts or hold more text: a table
        // beyond either is refused before it fills the memory.
        textBytes += texts.back().size();
        if (texts.size() > workbook_reading::kMaxCells) {
            return Error{Cause::InvalidInput,
                         {},
                         "the workbook holds more than " +
                             std::to_string(workbook_reading::kMaxCells) + " shared texts"};
        }
        if (textBytes > workbook_reading::kMaxCellText) {
            return Error{Cause::InvalidInput,
                         {},
                         "the workbook's texts take more than " +
                             std::to_string(workbook_reading::kMaxCellText >> 20) + " MB"};
        }
    }
    return texts;
}

} // namespace qb
