#pragma once

#include "store/DeviceRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct DeviceTypeTable;

// A column of the Detector/Module page. The grid, the cell editors, the double-clicks and the
// "Column Batch Setting" dialog all take from here what the column shows and stores.
struct DeviceColumn {
    enum class Cell {
        Address,      // the row number; nothing to edit
        Registration, // a double-click switches it
        List,         // a click opens the list of `choices`
        Number,       // a click opens a digits box; typing n chooses entry n - 1 of `choices`
        Position,     // a click opens a text box; the caption opens the Position Description
    };

    std::u16string_view caption;
    int width = 0; // twips
    Cell cell = Cell::Address;
    // The byte of the device record the column shows and stores; none for "Addr", "Position".
    std::uint8_t DeviceRecord::*field = nullptr;
    // The cell text of a stored byte (the registration marks aside).
    std::u16string (*text)(std::uint8_t stored, const DeviceTypeTable& types) = nullptr;
    // The entries the column chooses from, in order, and the byte that entry i stores.
    std::vector<std::u16string> (*choices)() = nullptr;
    std::uint8_t (*stored)(int choice) = nullptr;
    int maxDigits = 0; // Number
    // "Column Batch Setting" for the column: its prompt (none: the caption opens no such
    // dialog), its own list where that differs from `choices`, and the entry it preselects.
    const char16_t* batchPrompt = nullptr;
    std::vector<std::u16string> (*batchChoices)() = nullptr;
    int batchPreselected = 0;
};

// The page's columns in grid order: "Addr", "Reg", "Equip", "ProductType", "Zone", "Output",
// "Work", "Position".
std::span<const DeviceColumn> deviceColumns();
// The column at `column`; nullptr outside the page.
const DeviceColumn* deviceColumn(int column);

} // namespace qb
