// The main window's configuration check: the findings over what is being edited and the files
// of the Data folder, and the page each finding is about.
#include "MainWindowLogic.h"

#include "DialogRunner.h"
#include "base/Prompter.h"
#include "check/ConfigCheck.h"
#include "files/DiskFolder.h"
#include "store/ConfigStore.h"

#include <map>

namespace qb {

void MainWindowLogic::checkConfiguration() {
    m_dialogs.showFindings(
        [this](bool forController) {
            const DiskFolder folder(m_store.dataFolder());
            return qb::checkConfiguration(m_store, folder, CheckOptions{forController});
        },
        [this](const Finding& finding) { showFinding(finding); });
}

void MainWindowLogic::showFinding(const Finding& finding) {
    static const std::map<FindingPage, PageId> kPages = {
        {FindingPage::Zones, PageId::Zone},        {FindingPage::Network, PageId::Net},
        {FindingPage::Displays, PageId::Display},  {FindingPage::IoBoards, PageId::IoBoard},
        {FindingPage::Devices, PageId::Devices},   {FindingPage::Mimic, PageId::Mimic},
        {FindingPage::GasZones, PageId::GasZones},
    };
    const auto page = kPages.find(finding.page);
    if (page == kPages.end()) {
        return; // kept in a dialog of its own, not on a page
    }
    CommandScope scope(m_prompter);
    showPage(page->second);
    if (page->second == PageId::Devices && finding.board != 0) {
        m_devicePage.showBoard(m_window, finding.board);
    }
}

} // namespace qb
