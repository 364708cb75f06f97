#pragma once

#include "base/PageGrid.h"

#include <string>

namespace qb {

// The page numbers of the main window.
enum class PageId {
    None = 0,
    Zone = 1,
    Net = 4,
    Display = 5,
    IoBoard = 6,
    Devices = 8,
    GasZones = 10,
    Mimic = 20
};

// The status bar: what the last command did, and where the installer stands.
struct StatusBarState {
    std::u16string command;    // "Saved M001ZONE.BIN"
    std::u16string dataFolder; // "Data folder: /home/installer/Quillbarrow/Data"
    std::u16string host;       // "Host 1"
    std::u16string systemCode; // "System code 2: 1-2 Loop Fire alarm Panel, SO.***3"
    std::u16string unsaved;    // "Unsaved: Zone, Detector/Module" or "All pages saved"
};

// Everything the main window shows besides the menu: title, grid, open cell editor, the
// selectors above the grid and the option check boxes.
struct WindowState {
    PageId page = PageId::None;
    std::u16string title;
    PageGrid grid;
    CellEditor editor;
    SelectorState firstSelector;
    CheckBoxState resound;
    CheckBoxState share;
    CheckBoxState mdmMode;
};

} // namespace qb
