#include "DeviceSheet.h"

#include "DeviceWorkbook.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qb {

std::string device_workbook::sheetName(int board, int loop) {
    return "IO" + std::to_string(board) + "_" + std::to_string(loop);
}

namespace device_sheet {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

std::int64_t leadingInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const int digit = text[at] - '0';
        value = value > (kLargest - digit) / 10 ? kLargest : value * 10 + digit;
    }
    return negative ? -value : value;
}

std::int64_t wholePart(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9.2e18) {
        return kLargest;
    }
    if (value <= -9.2e18) {
        return -kLargest;
    }
    return static_cast<std::int64_t>(value); // towards zero
}

} // namespace

std::optional<Column> Layout::firstMissing() const {
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        if (!columns[c]) {
            return static_cast<Column>(c);
        }
    }
    return std::nullopt;
}

Layout locate(const Sheet& sheet) {
    Layout layout;
    if (sheet.cells.empty()) {
        return layout;
    }
    layout.headerRow = sheet.cells.begin()->first.row;
    for (auto it = sheet.cells.begin();
         it != sheet.cells.end() && it->first.row == layout.headerRow; ++it) {
        const auto* text = std::get_if<std::string>(&it->second);
        if (!text) {
            continue;
        }
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            if (!layout.columns[c] && equalIgnoringCase(trimmed(*text), kColumnNames[c])) {
                layout.columns[c] = it->first.column;
                break;
            }
        }
    }
    return layout;
}

std::vector<std::uint32_t> dataRows(const Sheet& sheet, std::uint32_t headerRow) {
    std::vector<std::uint32_t> rows;
    for (const auto& [position, value] : sheet.cells) {
        if (position.row > headerRow && (rows.empty() || rows.back() != position.row)) {
            rows.push_back(position.row);
        }
    }
    return rows;
}

std::optional<std::int64_t> numberOf(const CellValue* cell) {
    if (!cell) {
        return 0;
    }
    if (const auto* text = std::get_if<std::string>(cell)) {
        return leadingInteger(*text);
    }
    if (const auto* whole = std::get_if<std::int32_t>(cell)) {
        return *whole;
    }
    if (const auto* real = std::get_if<double>(cell)) {
        return wholePart(*real);
    }
    return std::nullopt;
}

std::optional<std::string> textOf(const CellValue* cell) {
    if (!cell) {
        return std::string();
    }
    if (const auto* text = std::get_if<std::string>(cell)) {
        return *text;
    }
    if (const auto* whole = std::get_if<std::int32_t>(cell)) {
        return std::to_string(*whole);
    }
    if (const auto* real = std::get_if<double>(cell)) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *real);
        return std::string(buffer, result.ptr);
    }
    return std::nullopt;
}

std::string cellPlace(const std::string& fileName, const std::string& sheet, std::uint32_t row,
                      std::optional<Column> column) {
    std::string text = fileName + ", sheet " + sheet;
    if (column) {
        text += ", column " + std::string(kColumnNames[*column]);
    }
    return text + ", row " + std::to_string(row + 1);
}

Sheet* findSheet(Workbook& workbook, std::string_view name) {
    for (Sheet& sheet : workbook.sheets) {
        if (equalIgnoringCase(sheet.name, name)) {
            return &sheet;
        }
    }
    return nullptr;
}

const Sheet* findSheet(const Workbook& workbook, std::string_view name) {
    return findSheet(const_cast<Workbook&>(workbook), name);
}

} // namespace device_sheet
} // namespace qb
