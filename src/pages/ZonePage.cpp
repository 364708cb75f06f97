#include "ZonePage.h"

#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "TypedValueChecks.h"
#include "base/CellLists.h"
#include "files/FileNames.h"
#include "files/Messages.h"
#include "files/ZoneFile.h"
#include "store/ConfigStore.h"

namespace qb {

void ZonePage::draw(WindowState& window) {
    ZoneTable& zones = store().zones.working;
    const int count = zoneCount(store().systemCode());
    window.grid.reset(count + 1, {u"Zone", u"Register", u"Position"}, {1200, 4800, 5647});
    for (int z = 1; z <= count; ++z) {
        drawRegistration(window.grid, z, kColumnRegister, zones.zone(z).registration, prompter(),
                         messages::format("Error in Zone-%d Registration Information!\n"
                                          "Please set it correctly!",
                                          z));
        window.grid.setText(z, kColumnPosition, std::u16string(zones.zone(z).name.view()));
    }
    window.resound.checked = zones.resound != 0;
}

CellEditor ZonePage::editorFor(const WindowState& window, int row, int column) {
    if (column != kColumnPosition) {
        return {};
    }
    return textEditor(window.grid.text(row, column), kNameLength, false);
}

void ZonePage::commitText(WindowState& window, const CellEditor& editor,
                          const std::u16string& text) {
    FixedText<13>& name = store().zones.working.zone(editor.row).name;
    if (fitsTextField(text, zone_file::kNameLimit, messages::format("Zone-%d Position", editor.row),
                      prompter())) {
        name.assign(text);
    }
    window.grid.setText(editor.row, editor.column, std::u16string(name.view()));
}

void ZonePage::doubleClickCell(WindowState& window, int row, int column) {
    if (column != kColumnRegister) {
        return;
    }
    toggleRegistration(window.grid, row, column, [&](int z, bool on) {
        store().zones.working.zone(z).registration = on ? 1 : 0;
    });
}

void ZonePage::doubleClickCaption(WindowState& window, int column) {
    if (column != kColumnRegister) {
        return;
    }
    toggleWholeColumn(window.grid, column, [&](int z, bool on) {
        store().zones.working.zone(z).registration = on ? 1 : 0;
    });
}

void ZonePage::clickResound(WindowState& window) {
    std::uint8_t& resound = store().zones.working.resound;
    resound = resound ? 0 : 1;
    window.resound.checked = resound != 0;
}

void ZonePage::save() {
    const BuiltFile file = buildZoneFile(store().zones.working, FileVariant::PageSave);
    if (writeHostFile(names::kZone, file)) {
        store().zones.takeSavePoint();
    }
}

void ZonePage::cancel() {
    store().zones.revert();
}

} // namespace qb
