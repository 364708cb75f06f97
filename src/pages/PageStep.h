#pragma once

#include "SetupPage.h"

#include <string>
#include <utility>

namespace qb {

// One installer action on a page, kept as one step of the page's history: the bytes the action
// may change are copied when it starts (one board at most) and compared when it ends.
class PageStep {
public:
    PageStep(SetupPage& page, std::u16string name)
        : m_page(page), m_name(std::move(name)),
          m_before(page.history().before(page.editedTable())) {}
    PageStep(const PageStep&) = delete;
    PageStep& operator=(const PageStep&) = delete;

    // Puts the page's bytes back as they were when the step began, so that it records nothing.
    void revert() { writeBack(m_page.editedBytes(m_before.table), m_before.bytes); }

    ~PageStep() {
        std::u16string named = m_page.takeStepName();
        try {
            m_page.history().record(named.empty() ? std::move(m_name) : std::move(named), m_before);
        } catch (...) {
            // A step that could not be kept leaves a history that no longer leads back.
            m_page.history().clear();
        }
    }

private:
    SetupPage& m_page;
    std::u16string m_name;
    PageHistory::Before m_before;
};

} // namespace qb
