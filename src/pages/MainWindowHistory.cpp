// The Edit menu of the main window, and the option check boxes, whose clicks are steps of their
// page's history like every other edit.
#include "MainWindowLogic.h"
#include "PageStep.h"
#include "StepNames.h"

namespace qb {

void MainWindowLogic::clickResound() {
    if (m_window.page == PageId::Zone) {
        const PageStep step(m_zonePage, step_names::option(u"Resound", m_window.resound.checked));
        m_zonePage.clickResound(m_window);
    }
}

void MainWindowLogic::clickShare() {
    if (m_window.page == PageId::Net) {
        const PageStep step(m_netPage, step_names::option(u"Share", m_window.share.checked));
        m_netPage.clickShare(m_window);
    }
}

void MainWindowLogic::clickMdmMode() {
    if (m_window.page == PageId::Mimic) {
        const PageStep step(m_mimicPage, step_names::option(u"MDM Mode", m_window.mdmMode.checked));
        m_mimicPage.clickMdmMode(m_window);
    }
}

void MainWindowLogic::undo() {
    stepHistory(true);
}

void MainWindowLogic::redo() {
    stepHistory(false);
}

void MainWindowLogic::stepHistory(bool undo) {
    std::u16string done;
    {
        CommandScope scope(m_prompter);
        SetupPage* page = currentPage();
        if (!page) {
            return;
        }
        done = undo ? undoText() : redoText();
        m_window.editor = {};
        const std::optional<int> table = undo ? page->history().undo() : page->history().redo();
        if (!table) {
            done = undo ? u"Nothing to undo" : u"Nothing to redo";
        } else {
            page->showStep(m_window, *table);
        }
    }
    endCommand(done);
}

bool MainWindowLogic::canUndo() {
    SetupPage* page = currentPage();
    return page && page->history().canUndo();
}

bool MainWindowLogic::canRedo() {
    SetupPage* page = currentPage();
    return page && page->history().canRedo();
}

std::u16string MainWindowLogic::undoText() {
    SetupPage* page = currentPage();
    const std::u16string_view name = page ? page->history().undoName() : std::u16string_view();
    return name.empty() ? u"Undo" : u"Undo " + std::u16string(name);
}

std::u16string MainWindowLogic::redoText() {
    SetupPage* page = currentPage();
    const std::u16string_view name = page ? page->history().redoName() : std::u16string_view();
    return name.empty() ? u"Redo" : u"Redo " + std::u16string(name);
}

void MainWindowLogic::clearHistories() {
    SetupPage* const all[] = {&m_zonePage,   &m_netPage,   &m_displayPage, &m_ioBoardPage,
                              &m_devicePage, &m_mimicPage, &m_gasZonePage};
    for (SetupPage* page : all) {
        page->history().clear();
    }
}

} // namespace qb
