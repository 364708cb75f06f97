// What the main window knows of edits that would be lost: which pages hold them, and the
// question before the program ends.
#include "MainWindowLogic.h"

#include "base/Prompter.h"
#include "files/TextCodec.h"

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

} // namespace qb
