#include "GasZonePage.h"

#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "files/FileNames.h"
#include "files/ImageFile.h"
#include "store/ConfigStore.h"

namespace qb {

void GasZonePage::draw(WindowState& window) {
    const GasZoneTable& zones = store().gasZones.working;
    window.grid.reset(kRows + 1, {u"Partition NO.", u"Register"}, {2330, 9320});
    for (int z = 1; z <= kRows; ++z) {
        drawRegistration(window.grid, z, kColumnRegister, zones.zone(z)[GasZoneTable::kRegistered],
                         prompter(), kErrorMessage);
    }
}

void GasZonePage::doubleClickCell(WindowState& window, int row, int column) {
    if (column == kColumnRegister) {
        toggleRegistration(window.grid, row, column, [&](int z, bool on) {
            store().gasZones.working.zone(z)[GasZoneTable::kRegistered] = on ? 1 : 0;
        });
    }
}

void GasZonePage::doubleClickCaption(WindowState& window, int column) {
    if (column == kColumnRegister) {
        toggleWholeColumn(window.grid, column, [&](int z, bool on) {
            store().gasZones.working.zone(z)[GasZoneTable::kRegistered] = on ? 1 : 0;
        });
    }
}

void GasZonePage::save() {
    writeTable(store(), prompter());
}

void GasZonePage::cancel() {
    store().gasZones.revert();
}

bool GasZonePage::writeTable(ConfigStore& store, Prompter& prompter) {
    GasZoneTable& zones = store.gasZones.working;
    zones.header = FileHeader::fromTemplate(store.headerTemplate(), tags::kGasZones);
    if (!qb::writeHostFile(store, names::kGasZones, buildImageFile(zones, FileVariant::PageSave),
                           prompter)) {
        return false;
    }
    store.gasZones.takeSavePoint();
    return true;
}

} // namespace qb
