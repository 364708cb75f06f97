// The main window's "Find Device": the dialog over the store, and the page and row each hit is
// on.
#include "MainWindowLogic.h"

#include "DialogRunner.h"
#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

namespace qb {

void MainWindowLogic::findDevice() {
    m_findDevice.searchAgain(); // what was typed before may have changed on the pages since
    m_dialogs.showFindDevice(m_findDevice, [this] { return showChosenHit(); });
}

bool MainWindowLogic::showChosenHit() {
    const SearchHit* hit = m_findDevice.chosenHit();
    if (!hit) {
        return false;
    }
    CommandScope scope(m_prompter);
    int row = hit->number;
    switch (hit->kind) {
    case SearchHitKind::Zone:
        showPage(PageId::Zone);
        break;
    case SearchHitKind::Display:
        showPage(PageId::Display);
        break;
    case SearchHitKind::Device:
        showPage(PageId::Devices);
        m_devicePage.showBoard(m_window, hit->board);
        if (m_devicePage.board() != hit->board) {
            m_findDevice.setNote(u"The Detector/Module page does not offer board " +
                                 boardText(hit->board) +
                                 u": only IO boards registered on the IO-Board page");
            return false;
        }
        if (hit->loop != 1) {
            m_findDevice.setNote(u"The Detector/Module page shows loop 1 only: board " +
                                 boardText(hit->board) + u" loop " + numberText(hit->loop) +
                                 u" address " + numberText(hit->address) + u" is not on it");
            return false;
        }
        row = hit->address;
        break;
    }
    if (!m_window.grid.contains(row, 0)) {
        return false; // a zone past those the system code's page offers
    }
    int column = m_window.grid.columns() - 1;
    for (int c = 0; c < m_window.grid.columns(); ++c) {
        if (m_window.grid.text(0, c) == u"Position") {
            column = c; // where the text found stands
        }
    }
    m_window.focus = {row, column, m_window.focus.serial + 1};
    return true;
}

} // namespace qb
