#include "PageHistory.h"

namespace qb {

PageHistory::Before PageHistory::before(int table) const {
    const ByteParts parts = m_editedBytes(table);
    return {table, fingerprint(parts), copyOf(parts)};
}

void PageHistory::record(std::u16string name, const Before& before) {
    const ByteParts parts = m_editedBytes(before.table);
    if (parts.empty()) {
        return;
    }
    ByteChanges changes = ByteChanges::between(before.bytes, parts);
    if (changes.empty()) {
        return;
    }
    m_steps.resize(m_done);
    m_steps.push_back({std::move(name), before.table, std::move(changes), before.fingerprint,
                       fingerprint(parts)});
    m_done = m_steps.size();
}

bool PageHistory::holds(const Step& step, std::size_t fingerprintNow) const {
    return fingerprint(m_editedBytes(step.table)) == fingerprintNow;
}

bool PageHistory::canUndo() const {
    return m_done > 0 && holds(m_steps[m_done - 1], m_steps[m_done - 1].after);
}

bool PageHistory::canRedo() const {
    return m_done < m_steps.size() && holds(m_steps[m_done], m_steps[m_done].before);
}

std::u16string_view PageHistory::undoName() const {
    return canUndo() ? std::u16string_view(m_steps[m_done - 1].name) : std::u16string_view();
}

std::u16string_view PageHistory::redoName() const {
    return canRedo() ? std::u16string_view(m_steps[m_done].name) : std::u16string_view();
}

std::optional<int> PageHistory::undo() {
    return take(true);
}

std::optional<int> PageHistory::redo() {
    return take(false);
}

std::optional<int> PageHistory::take(bool undo) {
    const bool possible = undo ? m_done > 0 : m_done < m_steps.size();
    if (!possible) {
        return std::nullopt;
    }
    if (undo ? !canUndo() : !canRedo()) {
        clear(); // overtaken: its old bytes would restore no state that ever was
        return std::nullopt;
    }
    const Step& step = undo ? m_steps[m_done - 1] : m_steps[m_done];
    step.changes.restore(m_editedBytes(step.table), undo);
    m_done = undo ? m_done - 1 : m_done + 1;
    return step.table;
}

void PageHistory::clear() noexcept {
    m_steps.clear();
    m_done = 0;
}

std::size_t PageHistory::bytesHeld() const {
    std::size_t bytes = 0;
    for (const Step& step : m_steps) {
        bytes += step.changes.packedSize() + step.name.size() * sizeof(char16_t);
    }
    return bytes;
}

} // namespace qb
