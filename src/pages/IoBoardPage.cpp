#include "IoBoardPage.h"

#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "files/FileNames.h"
#include "files/IoBoardFile.h"
#include "files/Messages.h"
#include "store/ConfigStore.h"

namespace qb {

void IoBoardPage::draw(WindowState& window) {
    const IoBoardRecord& boards = store().ioBoards.working;
    const int count = ioBoardCount(store().systemCode());
    window.grid.reset(count + 1, {u"IOB", u"Register"}, {2330, 9320});
    for (int i = 1; i <= count; ++i) {
        if (store().systemCode() == SystemCode::OneLoop) {
            // The one-loop controller always has its single board.
            window.grid.setText(i, kColumnRegister, markFor(true));
            continue;
        }
        drawRegistration(window.grid, i, kColumnRegister, boards.registration(i), prompter(),
                         messages::format("Error in IOB-%d Registration Information!\n"
                                          "Please set it correctly!",
                                          i));
    }
}

void IoBoardPage::doubleClickCell(WindowState& window, int row, int column) {
    if (column == kColumnRegister) {
        toggleRegistration(window.grid, row, column, [&](int i, bool on) {
            store().ioBoards.working.registration(i) = on ? 1 : 0;
        });
    }
}

void IoBoardPage::doubleClickCaption(WindowState& window, int column) {
    if (column == kColumnRegister) {
        toggleWholeColumn(window.grid, column, [&](int i, bool on) {
            store().ioBoards.working.registration(i) = on ? 1 : 0;
        });
    }
}

void IoBoardPage::save() {
    ConfigStore& s = store();
    const BuiltFile file = buildIoBoardFile(s.ioBoards.working, s.headerTemplate(), s.systemCode(),
                                            FileVariant::PageSave);
    const bool written = writeHostFile(names::kIoBoard, file);
    // The one-loop form is built from fixed values, not from the record: the record's save
    // point stays that of the last export or load.
    if (written && s.systemCode() != SystemCode::OneLoop) {
        s.ioBoards.takeSavePoint();
    }
}

void IoBoardPage::cancel() {
    store().ioBoards.revert();
}

} // namespace qb
