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

// A cell the grid makes current and scrolls to (row 0: none). Each request counts up
// `serial`, so that the view takes it once and leaves the installer's own moves alone after it.
struct GridFocus {
    int row = 0;
    int column = 0;
    int serial = 0;
};

// Everything the main window shows besides the menu: title, grid, open cell editor, the
// selectors above the grid and the option check boxes.
struct WindowState {
    PageId page = PageId::None;
    std::u16string title;
    PageGrid grid;
    CellEditor editor;
    GridFocus focus;
    SelectorState firstSelector;
    CheckBoxState resound;
    CheckBoxState share;
    CheckBoxState mdmMode;
};

} // namespace qb
