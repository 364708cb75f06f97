#include "Prompter.h"

namespace qb {

void BatchingPrompter::inform(const std::string& text, const std::string& caption) {
    if (m_depth == 0) {
        m_target.inform(text, caption);
        return;
    }
    m_pending.emplace_back(text, caption);
}

bool BatchingPrompter::confirm(const std::string& text, const std::string& caption) {
    flush();
    return m_target.confirm(text, caption);
}

void BatchingPrompter::endCommand() {
    if (m_depth > 0 && --m_depth == 0) {
        flush();
    }
}

void BatchingPrompter::flush() {
    if (m_pending.empty()) {
        return;
    }
    auto pending = std::move(m_pending);
    m_pending.clear();
    if (pending.size() == 1) {
        m_target.inform(pending.front().first, pending.front().second);
        return;
    }
    std::string caption = pending.front().second;
    std::string joined;
    for (const auto& [text, messageCaption] : pending) {
        if (messageCaption != caption) {
            caption = kProgramName;
        }
        joined += text;
        if (joined.empty() || joined.back() != '\n') {
            joined += '\n';
        }
    }
    joined.pop_back(); // no empty line at the box's end
    m_target.inform(joined, caption);
}

} // namespace qb
