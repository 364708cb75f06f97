#pragma once

#include "WindowState.h"

#include <string>
#include <string_view>

namespace qb {

// The names under which the Edit menu offers a page's steps: "Edit Zone-3 Position",
// "Register Zone-5", "Unregister rows 1-32", "Resound On". Each is taken from the window as it
// stands before the action.
namespace step_names {

// A row of the page as the installer calls it: "Zone-3", "Host-3", "Addr-3".
std::u16string rowName(PageId page, int row);
// A committed cell text or list entry.
std::u16string edit(const WindowState& window, int row, int column);
// A double-click on a cell (row 1 on) or on a caption (row 0), which switches registration
// marks; the Detector/Module page names its column dialogs itself.
std::u16string doubleClick(const WindowState& window, int row, int column);
// The selector above the grid choosing entry `index`.
std::u16string choose(const WindowState& window, int index);
// An option check box clicked while it shows `checked`.
std::u16string option(std::u16string_view caption, bool checked);

} // namespace step_names

} // namespace qb
