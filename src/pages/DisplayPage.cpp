#include "DisplayPage.h"

#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "TypedValueChecks.h"
#include "base/CellLists.h"
#include "files/DisplayFile.h"
#include "files/FileNames.h"
#include "files/Messages.h"
#include "store/ConfigStore.h"
#include "store/ModeNames.h"

namespace qb {

namespace {

constexpr const char* kRegistrationError =
    "Error in FSD Registration Information!\nPlease set it correctly!";

} // namespace

void DisplayPage::draw(WindowState& window) {
    DisplayTable& displays = store().displays.working;
    window.grid.reset(DisplayTable::kDisplays + 1, {u"ID", u"Reg", u"Type", u"Zone", u"Position"},
                      {1020, 1020, 3260, 1020, 5332});
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        const DisplayRecord& display = displays.display(d);
        drawRegistration(window.grid, d, kColumnReg, display.registration, prompter(),
                         kRegistrationError);
        window.grid.setText(d, kColumnType, std::u16string(displayTypeName(display.type)));
        window.grid.setText(d, kColumnZone, numberText(display.zone + 1));
        window.grid.setText(d, kColumnPosition, std::u16string(display.name.view()));
    }
}

CellEditor DisplayPage::editorFor(const WindowState& window, int row, int column) {
    const std::u16string& cell = window.grid.text(row, column);
    switch (column) {
    case kColumnType:
        return listEditor(displayTypeListItems(), cell);
    case kColumnZone:
        return textEditor(cell, 2, true);
    case kColumnPosition:
        return textEditor(cell, kPositionLength, false);
    default:
        return {};
    }
}

void DisplayPage::commitText(WindowState& window, const CellEditor& editor,
                             const std::u16string& text) {
    DisplayRecord& display = store().displays.working.display(editor.row);
    if (editor.column == kColumnZone) {
        const long zone = leadingInteger(text);
        if (numberInRange(zone, 1, ZoneTable::kZones, "Zone", prompter())) {
            display.zone = static_cast<std::uint8_t>(zone - 1);
            window.grid.setText(editor.row, editor.column, text);
        }
    } else if (editor.column == kColumnPosition) {
        // The file would cut a longer name without a word: it is refused while still typed.
        if (fitsTextField(text, display_file::kNameLimit,
                          messages::format("FSD-%d Position", editor.row), prompter())) {
            display.name.assign(text);
        }
        window.grid.setText(editor.row, editor.column, std::u16string(display.name.view()));
    }
}

void DisplayPage::commitList(WindowState& window, const CellEditor& editor, int index) {
    if (editor.column != kColumnType || index < 0 ||
        index >= static_cast<int>(kDisplayTypes.size())) {
        return;
    }
    store().displays.working.display(editor.row).type = kDisplayTypes[index].code;
    window.grid.setText(editor.row, editor.column, displayTypeListItems()[index]);
}

void DisplayPage::doubleClickCell(WindowState& window, int row, int column) {
    if (column == kColumnReg) {
        toggleRegistration(window.grid, row, column, [&](int d, bool on) {
            store().displays.working.display(d).registration = on ? 1 : 0;
        });
    }
}

void DisplayPage::doubleClickCaption(WindowState& window, int column) {
    if (column == kColumnReg) {
        toggleWholeColumn(window.grid, column, [&](int d, bool on) {
            store().displays.working.display(d).registration = on ? 1 : 0;
        });
    }
}

void DisplayPage::save() {
    const BuiltFile file = buildDisplayFile(store().displays.working, FileVariant::PageSave);
    if (writeHostFile(names::kDisplay, file)) {
        store().displays.takeSavePoint();
    }
}

void DisplayPage::cancel() {
    store().displays.revert();
}

} // namespace qb
