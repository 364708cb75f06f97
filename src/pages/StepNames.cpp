#include "StepNames.h"

#include "base/CellText.h"

namespace qb::step_names {

namespace {

std::u16string number(int n) {
    const std::string text = std::to_string(n);
    return {text.begin(), text.end()};
}

} // namespace

std::u16string rowName(PageId page, int row) {
    std::u16string_view noun = u"Row";
    switch (page) {
    case PageId::Zone:
        noun = u"Zone";
        break;
    case PageId::Net:
        noun = u"Host";
        break;
    case PageId::Display:
        noun = u"Display";
        break;
    case PageId::IoBoard:
        noun = u"IOB";
        break;
    case PageId::Devices:
        noun = u"Addr";
        break;
    case PageId::Mimic:
        noun = u"MDM";
        break;
    case PageId::GasZones:
        noun = u"Gas zone";
        break;
    case PageId::None:
        break;
    }
    return std::u16string(noun) + u"-" + number(row);
}

std::u16string edit(const WindowState& window, int row, int column) {
    const PageGrid& grid = window.grid;
    const std::u16string caption = grid.contains(0, column) ? grid.text(0, column) : u"";
    return u"Edit " + rowName(window.page, row) + u" " + caption;
}

std::u16string doubleClick(const WindowState& window, int row, int column) {
    const PageGrid& grid = window.grid;
    if (!grid.contains(row, column) || grid.rows() < 2) {
        return u"Edit";
    }
    // A caption switches every row as the first data row decides.
    const bool on = grid.text(row == 0 ? 1 : row, column) != kMarkOn;
    const std::u16string& caption = grid.text(0, column);
    const bool registers = caption == u"Register" || caption == u"Reg";
    std::u16string name = registers ? std::u16string(on ? u"Register" : u"Unregister")
                                    : (on ? u"Set " : u"Clear ") + caption;
    if (row == 0) {
        return name + u" rows 1-" + number(grid.rows() - 1);
    }
    return name + u" " + rowName(window.page, row);
}

std::u16string choose(const WindowState& window, int index) {
    return u"Choose " + rowName(window.page, index + 1);
}

std::u16string option(std::u16string_view caption, bool checked) {
    return std::u16string(caption) + (checked ? u" Off" : u" On");
}

} // namespace qb::step_names
