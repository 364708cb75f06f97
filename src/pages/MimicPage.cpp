#include "MimicPage.h"

#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "files/FileNames.h"
#include "files/ImageFile.h"
#include "store/ConfigStore.h"

namespace qb {

void MimicPage::draw(WindowState& window) {
    const MimicTable& mimic = store().mimic.working;
    window.grid.reset(MimicTable::kModules + 1, {u"Addr", u"Register"}, {2330, 9320});
    for (int m = 1; m <= MimicTable::kModules; ++m) {
        const std::uint8_t value = mimic.registration(m);
        window.grid.setText(m, kColumnRegister,
                            value <= 1 ? markFor(value == 1) : std::u16string(kMarkError));
    }
    window.mdmMode.checked = mimic.mode() != 0;
}

void MimicPage::doubleClickCell(WindowState& window, int row, int column) {
    if (column == kColumnRegister) {
        toggleRegistration(window.grid, row, column, [&](int m, bool on) {
            store().mimic.working.registration(m) = on ? 1 : 0;
        });
    }
}

void MimicPage::doubleClickCaption(WindowState& window, int column) {
    if (column == kColumnRegister) {
        toggleWholeColumn(window.grid, column, [&](int m, bool on) {
            store().mimic.working.registration(m) = on ? 1 : 0;
        });
    }
}

void MimicPage::clickMdmMode(WindowState& window) {
    MimicTable& mimic = store().mimic.working;
    mimic.setMode(mimic.mode() ? 0 : 1);
    window.mdmMode.checked = mimic.mode() != 0;
}

void MimicPage::save() {
    ConfigStore& s = store();
    MimicTable& mimic = s.mimic.working;
    mimic.header = FileHeader::fromTemplate(s.headerTemplate(), tags::kMimic);
    if (writeHostFile(names::kMimic, buildImageFile(mimic, FileVariant::PageSave))) {
        s.mimic.takeSavePoint();
    }
}

void MimicPage::cancel() {
    store().mimic.revert();
}

} // namespace qb
