// What the main window tells of where the installer stands: the status bar, the pages whose
// edits would be lost, and the question before the program ends.
#include "MainWindowLogic.h"
#include "ModeSelection.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"

namespace qb {

std::vector<const SetupPage*> MainWindowLogic::pages() const {
    return {&m_zonePage,    &m_ioBoardPage, &m_devicePage, &m_netPage,
            &m_displayPage, &m_mimicPage,   &m_gasZonePage};
}

std::vector<std::u16string_view> MainWindowLogic::unsavedPages() const {
    std::vector<std::u16string_view> names;
    for (const SetupPage* page : pages()) {
        if (page->unsaved()) {
            names.push_back(page->name());
        }
    }
    return names;
}

bool MainWindowLogic::mayQuit() {
    const std::vector<std::u16string_view> names = unsavedPages();
    if (names.empty()) {
        return true;
    }
    std::string list;
    for (const std::u16string_view name : names) {
        list.append(list.empty() ? "" : ", ").append(toUtf8(name));
    }
    return m_prompter.confirm("These pages have edits that were not saved: " + list +
                                  ".\nQuit and lose them?",
                              kProgramName);
}

void MainWindowLogic::endCommand(std::u16string_view otherwise) {
    const std::string noted = m_notes.takeLine();
    m_lastCommand = noted.empty() ? std::u16string(otherwise) : fromUtf8(noted);
}

namespace {

// "System code 2: 1-2 Loop Fire alarm Panel, SO.***3", as the Mode Selection dialog offered it.
std::u16string systemCodeText(SystemCode code) {
    ModeSelection mode;
    const int panel =
        code == SystemCode::OneLoop ? ModeSelection::kOneLoopPanel : ModeSelection::kTwoLoopPanel;
    mode.choosePanelType(panel);
    const std::u16string option =
        code == SystemCode::TwoLoopSo12 ? mode.firstOptionLabel() : mode.secondOptionLabel();
    return u"System code " + numberText(toByte(code)) + u": " +
           mode.panelTypes[static_cast<std::size_t>(panel)] + u", " + option;
}

} // namespace

StatusBarState MainWindowLogic::statusBar() const {
    StatusBarState status;
    status.command = m_lastCommand;
    status.dataFolder = u"Data folder: " + fromUtf8(m_store.dataFolder().string());
    status.host = u"Host " + numberText(m_store.hostIndex() + 1); // host index 0 is "M001"
    status.systemCode = systemCodeText(m_store.systemCode());
    const std::vector<std::u16string_view> names = unsavedPages();
    if (names.empty()) {
        status.unsaved = u"All pages saved";
    } else {
        status.unsaved = u"Unsaved: ";
        for (const std::u16string_view name : names) {
            status.unsaved.append(name == names.front() ? u"" : u", ").append(name);
        }
    }
    return status;
}

} // namespace qb
