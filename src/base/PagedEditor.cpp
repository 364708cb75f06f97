#include "PagedEditor.h"

#include "CellText.h"
#include "Prompter.h"

namespace qb {

std::u16string PagedEditor::pageLabel() const {
    return m_rules.plainLabel ? paging::plainLabel(m_page, pageCount())
                              : paging::label(m_page, pageCount());
}

std::string PagedEditor::notCompleteMessage() const {
    return std::string(kNotComplete) + "\n" + missingParts();
}

void PagedEditor::noteMissing(std::string& line, bool missing, std::string_view sentence) {
    if (!missing) {
        return;
    }
    if (!line.empty()) {
        line += ' ';
    }
    line += sentence;
}

void PagedEditor::clearModules() {
    modules = awaitingBoardAndLoop(boards, loops);
}

void PagedEditor::explainResults() {
    results.emptyReason = m_page == 0 ? kNoPageShown : kNothingAdded;
}

bool PagedEditor::canAppend() const {
    return pageCount() < m_rules.maxPages;
}

void PagedEditor::openPages() {
    if (pageCount() > 0) {
        show(1);
    } else if (const auto page = appendPage()) {
        show(*page);
    } else {
        show(0);
    }
}

void PagedEditor::show(int page) {
    m_page = page >= 1 && page <= pageCount() ? page : 0;
    toText = m_rules.toCountsFromZero ? numberText(m_page >= 1 ? m_page - 1 : 0) : u"";
    addEnabled = canAppend();
    prevEnabled = m_page > 1;
    nextEnabled = m_page >= 1 && m_page < pageCount();
    delEnabled = m_page >= 1;
    if (m_page == 0) {
        showNoPage();
    } else {
        showPage();
    }
}

bool PagedEditor::leaveAllowed() {
    if (m_page == 0 || pageState() == PageState::Complete) {
        return true;
    }
    m_prompter.inform(notCompleteMessage(), kProgramName);
    return false;
}

bool PagedEditor::moveAllowed() {
    return !m_rules.completeBeforeMoving || droppedWhenMoving() || leaveAllowed();
}

bool PagedEditor::droppedWhenMoving() const {
    return m_rules.dropEmptyWhenMoving && m_page >= 1 && pageState() == PageState::Empty;
}

void PagedEditor::goTo(int page) {
    if (page != m_page && droppedWhenMoving()) {
        const int left = m_page;
        deletePage(left);
        show(page > left ? page - 1 : page);
        return;
    }
    if (m_rules.storeWhenMoving) {
        if (!admitPage()) {
            show(m_page);
            return;
        }
        storePage();
    }
    show(page);
}

void PagedEditor::pressTo() {
    if (!moveAllowed()) {
        return;
    }
    const int offset = m_rules.toCountsFromZero ? 1 : 0;
    if (const auto page = paging::typedPage(toText, pageCount() - offset, 1 - offset)) {
        goTo(*page + offset);
    }
}

void PagedEditor::pressPrev() {
    if (moveAllowed() && m_page > 1) {
        goTo(m_page - 1);
    }
}

void PagedEditor::pressNext() {
    if (moveAllowed() && m_page >= 1 && m_page < pageCount()) {
        goTo(m_page + 1);
    }
}

void PagedEditor::pressAdd() {
    if (!canAppend() && m_rules.fullMessage) {
        m_prompter.inform(m_rules.fullMessage, kProgramName);
        return;
    }
    if (!leaveAllowed()) {
        return;
    }
    if (!admitPage()) {
        show(m_page);
        return;
    }
    storePage();
    if (const auto page = appendPage()) {
        show(*page);
        pageAdded();
    } else {
        show(m_page);
    }
}

void PagedEditor::pressDel() {
    if (m_page == 0) {
        return;
    }
    const int next = deletePage(m_page);
    if (next >= 1) {
        show(next);
        return;
    }
    show(0);
    if (!m_rules.newPageWhenNoneLeft) {
        return;
    }
    // With no page left a new one is begun at once.
    if (const auto page = appendPage()) {
        show(*page);
    }
}

bool PagedEditor::pressOk() {
    if (m_page == 0) {
        return true;
    }
    switch (pageState()) {
    case PageState::Empty:
        deletePage(m_page);
        show(0);
        return true;
    case PageState::Complete:
        storePage();
        return true;
    case PageState::Incomplete:
        m_prompter.inform(notCompleteMessage(), kProgramName);
        return false;
    }
    return false;
}

} // namespace qb
